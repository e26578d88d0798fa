// Set unit to bus: the output scale takes the primary value's unit and the
// input scale's range, in the host's values (offline) or in the device (online).
#include "items/methods/MethodRun.h"

namespace methods {

void set_unit_to_bus_offline_post_edit_body(MethodRun& run) {
    run.PutIntegerValue(item::func1_AI_out_unit, run.GetIntegerValue(item::trans1_primary_value_unit));
    run.PutFloatValue(item::func1_AI_out_lower_range_value, run.GetFloatValue(item::func1_AI_pv_lower_range_value));
    run.PutFloatValue(item::func1_AI_out_upper_range_value, run.GetFloatValue(item::func1_AI_pv_upper_range_value));
    run.SaveValues();
}

void set_unit_to_bus_online_post_edit_body(MethodRun& run) {
    run.WriteCommand(item::write_phys_pa_set_unit_to_bus);
    // Unit first, then the range: two reads of the same record.
    run.ReadCommand(item::read_func1_AI_out_scale_2);
    run.ReadCommand(item::read_func1_AI_out_scale);
}

}  // namespace methods
