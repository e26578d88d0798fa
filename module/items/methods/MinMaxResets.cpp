// Resets of the lowest and highest process value and temperature seen,
// offered only while the device is unlocked.
#include "engine/Request.h"
#include "items/DeviceCodes.h"
#include "items/methods/MethodRun.h"

namespace methods {

namespace {
// The host's value is saved before the write is sent.
void resetToZero(MethodRun& run, item::Id variable, item::Id command) {
    run.PutFloatValue(variable, 0.0f);
    run.SaveValues();
    run.WriteCommand(command);
}
bool unlocked(Request& r) { return r.equals(item::parWriteLocking, code::kWriteUnlock); }
}  // namespace

bool valid_meth_reset_trans1_min_sensor_value(Request& r) { return unlocked(r); }
bool valid_meth_reset_trans1_max_sensor_value(Request& r) { return unlocked(r); }
bool valid_meth_reset_min_temperature(Request& r) { return unlocked(r); }
bool valid_meth_reset_max_temperature(Request& r) { return unlocked(r); }

void meth_reset_trans1_min_sensor_value_body(MethodRun& run) {
    resetToZero(run, item::trans1_min_sensor_value, item::write_trans1_min_sensor_value);
}

void meth_reset_trans1_max_sensor_value_body(MethodRun& run) {
    resetToZero(run, item::trans1_max_sensor_value, item::write_trans1_max_sensor_value);
}

void meth_reset_min_temperature_body(MethodRun& run) {
    resetToZero(run, item::trans1_min_temperature, item::write_trans1_min_temperature);
}

void meth_reset_max_temperature_body(MethodRun& run) {
    resetToZero(run, item::trans1_max_temperature, item::write_trans1_max_temperature);
}

}  // namespace methods
