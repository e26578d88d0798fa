// With a good status quality the limit part of the simulated status, and in
// manual mode that of the output status, is set to OK.
#include <cstdint>

#include "items/DeviceCodes.h"
#include "items/methods/MethodRun.h"

namespace methods {

namespace {
bool isGood(std::int32_t quality) { return quality == code::kGoodQuality || quality == code::kGoodCascadeQuality; }
}  // namespace

void method_set_status_limit_1_body(MethodRun& run) {
    std::int32_t quality = run.GetIntegerValue(item::func1_AI_simulate_status_quality);
    if (isGood(quality)) run.PutIntegerValue(item::func1_AI_simulate_status_limit, code::kLimitOk);

    const std::int32_t mode = run.GetIntegerValue(item::func1_AI_target_mode);
    quality = run.GetIntegerValue(item::func1_AI_out_status_quality);
    if (mode == code::kManualMode && isGood(quality))
        run.PutIntegerValue(item::func1_AI_out_status_limit, code::kLimitOk);
}

}  // namespace methods
