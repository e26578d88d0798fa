// Title items: a label and one value whose text points to a menu of the
// device. Nothing else names them.
#pragma once

#include "items/Texts.h"
#include "items/enumerations/Enumerations.h"

// clang-format off
namespace enumerations::menu_titles {

using variables::integer;
using variables::read;

constexpr Enumerator kCalibration[] = {{0, "See Menu Device, Calibration  |de|siehe Menü Gerät, Grundabgleich"}};
constexpr Enumerator kExtendedCalibration[] = {{0, "See Menu Device, Extended Calibration  |de|siehe Menü Gerät, Erweit. Abgleich"}};
constexpr Enumerator kProfibusParameter[] = {{0, "See Menu Device, Profibus Parameter  |de|siehe Menü Gerät, Profibus Parameter"}};
constexpr Enumerator kSystemParameter[] = {{0, "See Menu Device, System Parameter  |de|siehe Menü Gerät, System Parameter"}};
constexpr Enumerator kSecuritySettings[] = {{0, "See Menu Device, Security Settings  |de|siehe Menü Gerät, Sicherheitseinstellungen"}};
constexpr Enumerator kDiagnosticsReset[] = {{0, "See Menu Device, Reset  |de|siehe Menü Gerät, Rücksetzen"}};
constexpr Enumerator kSimulationEnabled[] = {{0, "See Menu Device, Device Simulation  |de|siehe Menü Gerät, Geräte Simulation"}};
constexpr Enumerator kService[] = {{0, "See Menu Device, Service  |de|siehe Menü Gerät, Service"}};
constexpr Enumerator kClearLastError[] = {{0, "EnumTitleDiagnostics"}};

constexpr Variable kRows[] = {
    {.id = item::TitleCalibration,
     .label = "Calibration Configuration|de|Konfiguration Grundabgleich",
     .size = 1,
     .defaultValue = integer(0),
     .handling = read,
     .maxEnumIndex = 0,
     .enumerators = kCalibration},
    {.id = item::TitleExtendedCalibration,
     .label = "Extended Calibration Configuration|de|Konfiguration Erweit. Abgleich",
     .size = 1,
     .defaultValue = integer(0),
     .handling = read,
     .maxEnumIndex = 0,
     .enumerators = kExtendedCalibration},
    {.id = item::TitleProfibusParameter,
     .label = "Profibus Parameter Configuration|de|Konfiguration Profibus Parameter",
     .size = 1,
     .defaultValue = integer(0),
     .handling = read,
     .maxEnumIndex = 0,
     .enumerators = kProfibusParameter},
    {.id = item::TitleSystemParameter,
     .label = "System Parameter Configuration|de|Konfiguration System Parameter",
     .size = 1,
     .defaultValue = integer(0),
     .handling = read,
     .maxEnumIndex = 0,
     .enumerators = kSystemParameter},
    {.id = item::TitleSecuritySettings,
     .label = "Security Settings Configuration|de|Konfiguration Sicherheitseinstellungen",
     .size = 1,
     .defaultValue = integer(0),
     .handling = read,
     .maxEnumIndex = 0,
     .enumerators = kSecuritySettings},
    {.id = item::TitleDiagnosticsReset,
     .label = "reset  |de|Rücksetzen.",
     .size = 1,
     .defaultValue = integer(0),
     .handling = read,
     .maxEnumIndex = 0,
     .enumerators = kDiagnosticsReset},
    {.id = item::TitleSimulationEnabled,
     .label = texts::kSimulationShort,
     .size = 1,
     .defaultValue = integer(0),
     .handling = read,
     .maxEnumIndex = 0,
     .enumerators = kSimulationEnabled},
    {.id = item::TitleService__configuration,
     .label = "Service Configuration|de|Konfiguration Service",
     .size = 1,
     .defaultValue = integer(0),
     .handling = read,
     .maxEnumIndex = 0,
     .enumerators = kService},
    {.id = item::Title_parClearLastError,
     .label = texts::kClearLastError,
     .size = 1,
     .defaultValue = integer(0),
     .handling = read,
     .maxEnumIndex = 0,
     .enumerators = kClearLastError},
};

}  // namespace enumerations::menu_titles
