// The numeric software revision: the decimal digits among characters 2 to 6
// of the revision text, as one number.
#include <cstdint>

#include "items/methods/MethodRun.h"

namespace methods {

void GetNumericSoftwareRevision_body(MethodRun& run) {
    std::int32_t number = 0;
    run.ReadCommand(item::read_phys_software_rev_numeric);
    // The first character is not part of the number.
    constexpr item::Id kCharacters[] = {item::phys_software_rev_001, item::phys_software_rev_002,
                                        item::phys_software_rev_003, item::phys_software_rev_004,
                                        item::phys_software_rev_005};
    for (const item::Id character : kCharacters) {
        // Each test reads the character anew; a non-digit is skipped.
        if (run.GetIntegerValue(character) < '0') continue;
        if (run.GetIntegerValue(character) > '9') continue;
        // Wrapping arithmetic: the third read is not tested and may be anything.
        number = static_cast<std::int32_t>(static_cast<std::uint32_t>(number) * 10u +
                                           static_cast<std::uint32_t>(run.GetIntegerValue(character)) -
                                           static_cast<std::uint32_t>('0'));
    }
    run.PutIntegerValue(item::phys_software_rev_numeric, number);
    run.SaveValues();
}

}  // namespace methods
