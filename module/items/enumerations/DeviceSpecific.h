// Device-specific parameters: the display's main value, the present and the
// previous error, clearing the previous error and the access rights shown.
#pragma once

#include "items/Texts.h"
#include "items/enumerations/SharedSets.h"

// clang-format off
namespace enumerations::device_specific {

using variables::integer;
using variables::locked;
using variables::read;

constexpr const char* kErrorHelp =
    "error message:\n"
    "\n"
    "  Fehlerbeschreibung:\n"
    "  E 103 (Warning):Initialisation active, duration approx. 6 s\n"
    "  The electronics are initialised while the data\n"
    "  are first written to the EEPROM.\n"
    "  remedy:\n"
    "  Wait until initialisation is completed;\n"
    "  Replace electronic insert if the warning remains for an\n"
    "  extended period and after several restarts.\n"
    "\n"
    "  E 106 (Fault):Checksum error, electronic insert EEPROM,\n"
    "  configuration data not loaded\n"
    "  remedy:\n"
    "  The power supply is disconnected when writing to the\n"
    "  processor. Reestablish power supply.\n"
    "  wieder herstellen;\n"
    "  EMC effects greater than specified in Section 10\n"
    "  'Technical data'. Block off EMC effects.;\n"
    "  Electronic insert faulty. Replace electronic insert.\n"
    "\n"
    "  E 203 (Fault):Measuring capacitance is too small\n"
    "\n"
    "  E 204 (Fault):Measuring capacitance is too large\n"
    "\n"
    "  E 613 (Fault):Device in simulation mode\n"
    "  remedy:\n"
    "  Switch off simulation via the parameter (V9H6).\n"
    "\n"
    "  E 621 (Fault):Error in measuring unit\n"
    "\n"
    "  E 661 (Fault):EC temperature is too high\n"
    "\n"
    "  |de|  Fehlerbeschreibung:\n"
    "\n"
    "  E 103 (Warnung):Initialisierung aktiv, Dauer ca. 6 s\n"
    "  Während des ersten Schreibens der Daten\n"
    "  in das EEPROM wird die Elek-tronik initialisiert.\n"
    "  Abhilfe:\n"
    "  Initialisierungsvorgang abwarten;\n"
    "  Bleibt die Warnung für längere Zeit und auch nach mehreren\n"
    "  Neustarts stehen, Elektronikeinsatz auswechseln.\n"
    "\n"
    "  E 106 (Störung):Checksummenfehler Elektronikeinsatz EEPROM,\n"
    "  Konfigurationsdaten nicht geladen\n"
    "  Abhilfe:\n"
    "  Während eines Schreibvorganges in den Prozessor wird die \n"
    "  Span-nungsversorgung unterbrochen. Spannungsversorgung \n"
    "  wieder herstellen;\n"
    "  EMV-Einwirkungen größer als Angaben in Kapitel 10 \n"
    "  'Technische Daten'. EMV-Einwirkungen abblocken.;\n"
    "  Elektronikeinsatz defekt. Elektronikeinsatz auswechseln.\n"
    "\n"
    "  E 203 (Störung):Messkapazität ist zu klein\n"
    "\n"
    "  E 204 (Störung):Messkapazität ist zu gross\n"
    "\n"
    "  E 613 (Störung):Gerät im Simulationsbetrieb\n"
    "  Abhilfe:\n"
    "  Simulation über den Parameter (V9H6) ausschalten.\n"
    "\n"
    "  E 621 (Störung):Fehler im Messteil\n"
    "\n"
    "  E 661 (Störung):EC-Temperatur ist zu groß\n"
    "\n";

constexpr Enumerator kMainValue[] = {
    {0, "PV"},
    {1, "Input SPS"},
};

constexpr Enumerator kClearLastError[] = {
    {0, texts::kKeep},
    {1, "erase|de|löschen|fr|Effacer|es|borrar|it|cancella|nl|wissen"},
};

// There is no 1; updateParShowAccess sets 4 or 0 from the write lock.
constexpr Enumerator kAccess[] = {
    {0, "Locked|de|Verriegelt|fr|Verrouillé"},
    {2, "Service (View only)|de|Service (nur Ansicht)|fr|Service (Consultation)"},
    {3, "Service|de|Service|fr|Service"},
    {4, "Customer|de|Kunde|fr|Client"},
    {5, "WHG|de|WHG|fr|WHG"},
    {6, "Debug unlock|de|Debug unlock|fr|Debug unlock"},
    {7, "Hard lock|de|Hard lock|fr|Hard lock"},
};

constexpr Variable kRows[] = {
    {.id = item::parPASelectMainValue,
     .label = "select v0h0|de|Zuordnung Anzei.|fr|Selection V0H0|es|Zuordnung Anzei.|it|Selezione V0H0",
     .size = 1,
     .handling = locked,
     .maxEnumIndex = 1,
     .enumerators = kMainValue},
    {.id = item::parActualError,
     .label = texts::kPresentError,
     .help = kErrorHelp,
     .size = 2,
     .handling = read,
     .maxEnumIndex = 661,
     .enumerators = kErrorCodeSet},
    {.id = item::parLastError,
     .label = texts::kPreviousError,
     .help = kErrorHelp,
     .size = 2,
     .handling = read,
     .maxEnumIndex = 661,
     .enumerators = kErrorCodeSet},
    {.id = item::parClearLastError,
     .label = texts::kClearLastError,
     .size = 1,
     .handling = locked,
     .maxEnumIndex = 1,
     .enumerators = kClearLastError},
    {.id = item::parShowAccess,
     .label = "Access rights|de|Zugriff|fr|Droits d'accès",
     .size = 1,
     .defaultValue = integer(4),
     .handling = read,
     .maxEnumIndex = 0,
     .enumerators = kAccess},
};

}  // namespace enumerations::device_specific
