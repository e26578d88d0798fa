// Alarm and warning limits of the analog input block: the alarm preset and
// the remember/reset/restore frame around a write of the upload parameter set.
#include "items/DeviceCodes.h"
#include "items/methods/MethodRun.h"

namespace methods {

namespace {
// 3.4e38 as a float (0x7F7FC99E), not the largest float.
constexpr float kPreset = 3.4e38f;
}  // namespace

void method_preset_alarm_body(MethodRun& run) {
    float value = run.GetFloatValue(item::func1_AI_hi_hi_lim);
    run.PutFloatValue(item::func1_AI_hi_hi_lim, kPreset);
    run.WriteCommand(item::write_func1_AI_hi_hi_lim);
    run.PutFloatValue(item::func1_AI_hi_hi_lim, value);

    value = run.GetFloatValue(item::func1_AI_lo_lo_lim);
    run.PutFloatValue(item::func1_AI_lo_lo_lim, -kPreset);
    run.WriteCommand(item::write_func1_AI_lo_lo_lim);
    run.PutFloatValue(item::func1_AI_lo_lo_lim, value);
}

void method_output_limits_remember_body(MethodRun& run) {
    run.PutFloatValue(item::var_local_lo_lo, run.GetFloatValue(item::func1_AI_lo_lo_lim));
    run.PutFloatValue(item::var_local_lo, run.GetFloatValue(item::func1_AI_lo_lim));
    run.PutFloatValue(item::var_local_hi_hi, run.GetFloatValue(item::func1_AI_hi_hi_lim));
    run.PutFloatValue(item::var_local_hi, run.GetFloatValue(item::func1_AI_hi_lim));
    run.SaveValues();
}

void method_output_limits_reset_body(MethodRun& run) {
    if (run.GetLongValue(item::parWriteLocking) != code::kWriteUnlock) return;
    // All four to the upper preset, the lower limits too.
    run.PutFloatValue(item::func1_AI_hi_hi_lim, kPreset);
    run.WriteCommand(item::write_func1_AI_hi_hi_lim);
    run.PutFloatValue(item::func1_AI_hi_lim, kPreset);
    run.WriteCommand(item::write_func1_AI_hi_lim);
    run.PutFloatValue(item::func1_AI_lo_lim, kPreset);
    run.WriteCommand(item::write_func1_AI_lo_lim);
    run.PutFloatValue(item::func1_AI_lo_lo_lim, kPreset);
    run.WriteCommand(item::write_func1_AI_lo_lo_lim);
    run.SaveValues();
}

void method_output_limits_restore_body(MethodRun& run) {
    if (run.GetLongValue(item::parWriteLocking) != code::kWriteUnlock) return;
    run.PutFloatValue(item::func1_AI_lo_lo_lim, run.GetFloatValue(item::var_local_lo_lo));
    run.PutFloatValue(item::func1_AI_lo_lim, run.GetFloatValue(item::var_local_lo));
    run.PutFloatValue(item::func1_AI_hi_lim, run.GetFloatValue(item::var_local_hi));
    run.PutFloatValue(item::func1_AI_hi_hi_lim, run.GetFloatValue(item::var_local_hi_hi));
    run.WriteCommand(item::write_func1_AI_lo_lo_lim);
    run.WriteCommand(item::write_func1_AI_lo_lim);
    run.WriteCommand(item::write_func1_AI_hi_lim);
    run.WriteCommand(item::write_func1_AI_hi_hi_lim);
}

}  // namespace methods
