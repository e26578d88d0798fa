// The 25 methods: access, class, label, body and, for the four that have
// one, the validity condition MethodValidity tests at each request.
#pragma once

#include "items/Texts.h"
#include "items/methods/Method.h"

// clang-format off
namespace methods::method_attributes {

constexpr const char kTransfer[] = "Transfer|de|Übertragen";

constexpr Method kRows[] = {
    {.id = item::method_phys_factory_reset_params, .access = Online, .methodClass = Device,
     .label = texts::kFactoryReset,
     .body = method_phys_factory_reset_params_body},
    {.id = item::method_phys_factory_reset_warm, .access = Online, .methodClass = Device,
     .label = "Warm start  |de|Warmstart  |fr|Démarrage à chaud  |it|Avvio a caldo  |es|Arranque en caliente",
     .body = method_phys_factory_reset_warm_body},
    {.id = item::method_phys_factory_reset_address, .access = Online, .methodClass = Device,
     .label = "Reset Address to '126'  |de|Rücksetzen der Adresse auf '126'  |fr|Remise de l'adresse à '126'  |it|Riportare l'indirizzo su '126'  |es|Reponer dirección a '126'",
     .body = method_phys_factory_reset_address_body},
    {.id = item::method_phys_factory_reset_device_specific, .access = Online, .methodClass = Device,
     .label = "Reset (device specific)  |de|Rücksetzen (Gerätespezifisch)  |fr|Remise à zéro (spécifique à l'appareil)  |it|Reset (specifico per il tipo di dispositivo)  |es|Reset (específ. aparato)",
     .body = method_phys_factory_reset_device_specific_body},
    {.id = item::GetNumericSoftwareRevision, .access = Offline, .methodClass = Device, .label = "GetNumericSoftwareRevision",
     .body = GetNumericSoftwareRevision_body},
    {.id = item::method_check_func1_AI_alarm_hys, .access = Offline, .methodClass = Limits,
     .body = method_check_func1_AI_alarm_hys_body},
    {.id = item::method_set_status_limit_1, .access = Offline, .methodClass = Limits, .body = method_set_status_limit_1_body},
    {.id = item::method_preset_alarm, .access = Offline, .methodClass = Limits, .body = method_preset_alarm_body},
    {.id = item::method_parWriteLocking_remember, .access = Offline, .methodClass = Device,
     .body = method_parWriteLocking_remember_body},
    {.id = item::method_parWriteLocking_check, .access = Offline, .methodClass = Device,
     .body = method_parWriteLocking_check_body},
    {.id = item::updateParShowAccess, .access = Offline, .methodClass = Device, .body = updateParShowAccess_body},
    {.id = item::uploadVariablesPreWriteActions, .access = Online, .methodClass = Device,
     .label = "Download of the Operation Code before uploading the variables",
     .body = uploadVariablesPreWriteActions_body},
    {.id = item::uploadVariablesPostWriteActions, .access = Online, .methodClass = Device,
     .body = uploadVariablesPostWriteActions_body},
    {.id = item::meth_reset_trans1_min_sensor_value, .access = Online, .methodClass = Device,
     .label = "Reset min. meas. value|de|Min. Messwert rücksetzen", .body = meth_reset_trans1_min_sensor_value_body,
     .valid = valid_meth_reset_trans1_min_sensor_value},
    {.id = item::meth_reset_trans1_max_sensor_value, .access = Online, .methodClass = Device,
     .label = "Reset max. meas. value|de|Max. Messwert rücksetzen", .body = meth_reset_trans1_max_sensor_value_body,
     .valid = valid_meth_reset_trans1_max_sensor_value},
    {.id = item::meth_reset_min_temperature, .access = Online, .methodClass = Device,
     .label = "Reset min. temp.|de|Min. Temp. rücksetzen", .body = meth_reset_min_temperature_body,
     .valid = valid_meth_reset_min_temperature},
    {.id = item::meth_reset_max_temperature, .access = Online, .methodClass = Device,
     .label = "Reset max. temp.|de|Max. Temp. rücksetzen", .body = meth_reset_max_temperature_body,
     .valid = valid_meth_reset_max_temperature},
    {.id = item::meth_pe_trans1_calibration_type_offline, .access = Offline, .methodClass = Device,
     .body = meth_pe_trans1_calibration_type_offline_body},
    {.id = item::meth_transfer_calibration_empty, .access = Offline, .methodClass = Device, .label = kTransfer,
     .body = meth_transfer_calibration_empty_body},
    {.id = item::meth_transfer_calibration_full, .access = Offline, .methodClass = Device, .label = kTransfer,
     .body = meth_transfer_calibration_full_body},
    {.id = item::method_output_limits_remember, .access = Offline, .methodClass = Limits,
     .body = method_output_limits_remember_body},
    {.id = item::method_output_limits_reset, .access = Online, .methodClass = Limits, .body = method_output_limits_reset_body},
    {.id = item::method_output_limits_restore, .access = Online, .methodClass = Limits,
     .body = method_output_limits_restore_body},
    {.id = item::set_unit_to_bus_offline_post_edit, .access = Offline, .methodClass = Device,
     .label = texts::kSetUnitToBus, .body = set_unit_to_bus_offline_post_edit_body},
    {.id = item::set_unit_to_bus_online_post_edit, .access = Online, .methodClass = Device,
     .label = texts::kSetUnitToBus, .body = set_unit_to_bus_online_post_edit_body},
};

}  // namespace methods::method_attributes
