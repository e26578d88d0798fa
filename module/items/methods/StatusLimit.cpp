// With a good status quality (32 or 48) the limit part of the simulated
// status, and in manual mode that of the output status, is set to OK.
#include <cstdint>

#include "items/methods/MethodRun.h"

namespace methods {

void method_set_status_limit_1_body(MethodRun& run) {
    std::int32_t quality = run.GetIntegerValue(item::func1_AI_simulate_status_quality);
    if (quality == 32 || quality == 48) run.PutIntegerValue(item::func1_AI_simulate_status_limit, 0);

    const std::int32_t mode = run.GetIntegerValue(item::func1_AI_target_mode);
    quality = run.GetIntegerValue(item::func1_AI_out_status_quality);
    if (mode == 16 && (quality == 32 || quality == 48)) run.PutIntegerValue(item::func1_AI_out_status_limit, 0);
}

}  // namespace methods
