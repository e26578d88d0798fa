// Methods and relations as data: each method's attributes and body, each
// relation's unit or changed variable and its re-read set.
#pragma once

#include <cstdint>

#include "engine/ItemIndex.h"
#include "items/Access.h"
#include "items/Classes.h"
#include "items/Items.h"

namespace methods {

using enum Access;
using classes::Device;
using classes::Limits;

class MethodRun;
using Body = void (*)(MethodRun& run);

struct Method {
    item::Id id;
    Access access;
    classes::Mask methodClass;  // one class
    const char* label = "";
    Body body = nullptr;
    // A value-dependent validity; null: always valid.
    Condition valid = nullptr;
};

struct UnitRelation {
    item::Id id;
    item::Id unit;
    IdList<12> reread;
};

struct RefreshRelation {
    item::Id id;
    IdList<2> changed;
    IdList<2> reread;
};

// The method attribute template, the relation templates, and the stub that
// runs a method's body in its run frame.
void fillMethod(Request& request, CDDMethod& method, const Method& descriptor, const ItemEntry& item);
void fillUnit(Request& request, CDDUnit& relation, const UnitRelation& descriptor, const ItemEntry& item);
void fillRefresh(Request& request, CDDRefresh& relation, const RefreshRelation& descriptor, const ItemEntry& item);
std::int32_t runStub(CDeviceAttributeCalculation& calculator, ContextWord context, CDDObject& method,
                     std::int32_t argument, bool ignoreFailures, const ItemEntry& item);

// The bodies, one per method, named after it.
void method_phys_factory_reset_params_body(MethodRun& run);
void method_phys_factory_reset_warm_body(MethodRun& run);
void method_phys_factory_reset_address_body(MethodRun& run);
void method_phys_factory_reset_device_specific_body(MethodRun& run);
void GetNumericSoftwareRevision_body(MethodRun& run);
void method_check_func1_AI_alarm_hys_body(MethodRun& run);
void method_set_status_limit_1_body(MethodRun& run);
void method_preset_alarm_body(MethodRun& run);
void method_parWriteLocking_remember_body(MethodRun& run);
void method_parWriteLocking_check_body(MethodRun& run);
void updateParShowAccess_body(MethodRun& run);
void uploadVariablesPreWriteActions_body(MethodRun& run);
void uploadVariablesPostWriteActions_body(MethodRun& run);
void meth_reset_trans1_min_sensor_value_body(MethodRun& run);
void meth_reset_trans1_max_sensor_value_body(MethodRun& run);
void meth_reset_min_temperature_body(MethodRun& run);
void meth_reset_max_temperature_body(MethodRun& run);
void meth_pe_trans1_calibration_type_offline_body(MethodRun& run);
void meth_transfer_calibration_empty_body(MethodRun& run);
void meth_transfer_calibration_full_body(MethodRun& run);
void method_output_limits_remember_body(MethodRun& run);
void method_output_limits_reset_body(MethodRun& run);
void method_output_limits_restore_body(MethodRun& run);
void set_unit_to_bus_offline_post_edit_body(MethodRun& run);
void set_unit_to_bus_online_post_edit_body(MethodRun& run);

// The validity conditions of the methods that have one.
bool valid_meth_reset_trans1_min_sensor_value(Request& request);
bool valid_meth_reset_trans1_max_sensor_value(Request& request);
bool valid_meth_reset_min_temperature(Request& request);
bool valid_meth_reset_max_temperature(Request& request);

}  // namespace methods
