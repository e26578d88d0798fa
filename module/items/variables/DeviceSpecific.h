// Device-specific parameters that are not enumerations.
#pragma once

#include "engine/Request.h"
#include "items/DeviceCodes.h"
#include "items/Texts.h"
#include "items/variables/Variable.h"

// clang-format off
namespace variables::device_specific {

// The display record is valid only while the main value is the bus input.
inline bool valid_parDisplayValue(Request& r) {
    return r.equals(item::parPASelectMainValue, code::kMainValueInputSps);
}
inline bool valid_parDisplayStatus(Request& r) {
    return r.equals(item::parPASelectMainValue, code::kMainValueInputSps);
}

constexpr Variable kRows[] = {
    {.id = item::parBargraphScaleMin,
     .label = texts::kPercentEmpty,
     .displayFormat = "10.3f",
     .editFormat = "10.3f",
     .range = range(bound(real(0.0)), valueOf(item::parBargraphScaleMax)),
     .defaultValue = integer(0),
     .handling = locked,
     .unit = unit("%")},
    {.id = item::parBargraphScaleMax,
     .label = texts::kPercentFull,
     .displayFormat = "10.3f",
     .editFormat = "10.3f",
     .range = range(valueOf(item::parBargraphScaleMin), bound(real(100.0))),
     .defaultValue = real(100.0),
     .handling = locked,
     .unit = unit("%")},
    // Read only, although a write command exists.
    {.id = item::parPADeviceBusAddress,
     .label = "instrument addr.|de|Geräteadresse|fr|Adre.Instrument|es|Geräteadresse|it|Indrizzo Strum.",
     .size = 1,
     .handling = read},
    {.id = item::parSystemstartsCounter,
     .label = "system starts|de|Systemstarts|fr|starts|es|Systemstarts|it|starts",
     .displayFormat = ".0f",
     .defaultValue = integer(56),
     .handling = read},
    {.id = item::parReset,
     .label = "reset|de|Rücksetzen|fr|Remise à zéro|es|Rücksetzen|it|reset|nl|reset",
     .help = "for reset code\nsee manual|de|Zur Codeeingabe\nsiehe Betriebsanl.|fr|pour code r.à.z.\nvoir mise en "
             "serv.|es|código de borrado\nver manual|it|per codice reset\nvedi manuale|nl|voor resetcode\nzie handboek",
     .size = 2,
     .handling = locked},
    {.id = item::parSimulationStatus,
     .label = "sim. status|de|Sim. Status|fr|Etat simulation|es|Sim. Status|it|simul stato.|nl|simulatie status",
     .size = 1,
     .defaultValue = integer(0),
     .handling = lockedAnd(item::func1_AI_simulation_enabled, code::kSimulationEnabled)},
    // Writable only in manual mode.
    {.id = item::parPAAIOutStatus,
     .label = "out status|de|Out Status|fr|Statut Sortie|es|Out Status|it|Stato Uscita",
     .size = 1,
     .defaultValue = integer(128),
     .handling = lockedAnd(item::func1_AI_target_mode, code::kManualMode)},
    {.id = item::parDisplayValue,
     .label = "Display Value",
     .defaultValue = integer(0),
     .handling = read,
     .valid = valid_parDisplayValue},
    {.id = item::parDisplayStatus,
     .label = "Display Status",
     .size = 1,
     .defaultValue = integer(0),
     .handling = read,
     .valid = valid_parDisplayStatus},
};

}  // namespace variables::device_specific
