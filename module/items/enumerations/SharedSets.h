// Enumerator sets that several items share, each defined once. They are
// defined here, sized by their rows, so that the item tables, which are built
// at compile time, can point into them; each count is the one the device
// description gives.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <span>

#include "items/Texts.h"
#include "items/enumerations/Enumerations.h"
#include "items/variables/UnitTables.h"

namespace enumerations {

// The rows of `set`, in their order, less those whose values are listed; a
// listed value that the set lacks stops the build.
template <std::size_t Rows, std::size_t Dropped>
constexpr std::array<Enumerator, Rows - Dropped> withoutValues(const Enumerator (&set)[Rows],
                                                               const std::int32_t (&dropped)[Dropped]) {
    std::array<Enumerator, Rows - Dropped> kept{};
    std::size_t count = 0;
    for (const Enumerator& row : set) {
        if (std::find(std::begin(dropped), std::end(dropped), row.value) != std::end(dropped)) continue;
        if (count == kept.size()) throw "a value to drop is not in the set";
        kept[count++] = row;
    }
    return kept;
}

// The codes and texts of a unit table's rows as enumerators, in their order.
template <std::size_t Rows>
constexpr std::array<Enumerator, Rows> enumeratorsOf(const variables::CodeRow (&rows)[Rows]) {
    std::array<Enumerator, Rows> set{};
    for (std::size_t i = 0; i < Rows; ++i) set[i] = {rows[i].code, rows[i].text};
    return set;
}

}  // namespace enumerations

// clang-format off
namespace enumerations {

// Block modes: RCAS, AUTO, MAN, LO, O/S. The analog input block knows only
// AUTO, MAN and O/S.
inline constexpr Enumerator kModeSet[] = {
    {2, texts::kRcas},
    {8, texts::kAuto},
    {16, texts::kManual},
    {32, texts::kLocalOverride},
    {128, texts::kOutOfService},
};
static_assert(std::size(kModeSet) == 5);

inline constexpr Enumerator kAnalogInputModeSet[] = {
    {8, texts::kAuto},
    {16, texts::kManual},
    {128, texts::kOutOfService},
};
static_assert(std::size(kAnalogInputModeSet) == 3);

inline constexpr BitEnumerator kModeBits[] = {
    {2, texts::kRcas},
    {8, texts::kAuto},
    {16, texts::kManual},
    {32, texts::kLocalOverride},
    {128, texts::kOutOfService},
};
static_assert(std::size(kModeBits) == 5);

inline constexpr BitEnumerator kAnalogInputModeBits[] = {
    {8, texts::kAuto},
    {16, texts::kManual},
    {128, texts::kOutOfService},
};
static_assert(std::size(kAnalogInputModeBits) == 3);

inline constexpr Enumerator kDisabledEnabledSet[] = {
    {0, "Disabled  |de|Gesperrt  |fr|Inhibé  |it|Disabilitato  |es|Inhibido"},
    {1, "Enabled  |de|Freigegeben  |fr|Validé  |it|Abilitato  |es|Habilitado"},
};
static_assert(std::size(kDisabledEnabledSet) == 2);

// Block profiles and profile revisions.
inline constexpr Enumerator kProfileSet[] = {
    {16385, "PROFIBUS PA, Compact Class A  |fr|PROFIBUS PA, Compact Classe A  |it|PROFIBUS PA, Compact Class A  |es|PROFIBUS PA, Compact Class A"},
    {16386, "PROFIBUS PA, Compact Class B  |fr|PROFIBUS PA, Compact Classe B  |it|PROFIBUS PA, Compact Class B  |es|PROFIBUS PA, Compact Class B"},
    {16513, "PROFIBUS PA, Simple Class A  |fr|PROFIBUS PA, Simple Classe A  |it|PROFIBUS PA, Simple ClassA  |es|PROFIBUS PA, Simple Class A"},
    {16514, "PROFIBUS PA, Simple Class B  |fr|PROFIBUS PA, Simple Classe B  |it|PROFIBUS PA, Simple Class B  |es|PROFIBUS PA, Simple Class B"},
};
static_assert(std::size(kProfileSet) == 4);

// Major number times 256 plus minor number.
inline constexpr Enumerator kLongRevisionSet[] = {
    {602, "2.90"},
    {603, "2.91"},
    {604, "2.92"},
    {605, "2.93"},
    {606, "2.94"},
    {607, "2.95"},
    {608, "2.96"},
    {609, "2.97"},
    {610, "2.98"},
    {611, "2.99"},
    {768, "3.0"},
};
static_assert(std::size(kLongRevisionSet) == 11);

// The profile's manufacturer codes; 5, 18 and 22 all name the same company.
// Its last four rows, 250 to 253, also close the transducer block's class sets.
inline constexpr Enumerator kManufacturerSet[] = {
    {1, "Acromag"},
    {2, "Allen Bradley"},
    {3, "Ametek"},
    {4, "Analog Devices"},
    {5, "Elsag Bailey"},
    {6, "Beckman"},
    {7, "Bell Microsensor"},
    {8, "Bourns"},
    {9, "Bristol Babcock"},
    {10, "Brooks Instrument"},
    {11, "Chessell"},
    {12, "Combustion Engineering"},
    {13, "Daniel Industries"},
    {14, "Delta"},
    {15, "Dieterich Standard"},
    {16, "Dohrmann"},
    {17, "Quorvane"},
    {18, "Elsag Bailey"},
    {19, "Fisher Controls"},
    {20, "Foxboro"},
    {21, "Fuji"},
    {22, "Elsag Bailey"},
    {23, "Honeywell"},
    {24, "ITT Barton"},
    {25, "Kay Ray/Sensall"},
    {26, "Kent"},
    {27, "Leeds & Northrup"},
    {28, "Leslie"},
    {29, "M-System Co."},
    {30, "Measurex"},
    {31, "Micro Motion"},
    {32, "Moore Industries"},
    {33, "Moore Products"},
    {34, "Ohkura Electric"},
    {35, "Paine"},
    {36, "Rochester Instrument Systems"},
    {37, "Ronan"},
    {38, "Rosemount"},
    {39, "Peek Measurement"},
    {40, "Schlumberger"},
    {41, "Sensall"},
    {42, "Siemens"},
    {43, "Camille Bauer"},
    {44, "Toshiba"},
    {45, "Transmation"},
    {46, "Rosemount Analytic"},
    {47, "Valmet"},
    {48, "Valtek"},
    {49, "Varec"},
    {50, "Viatran"},
    {51, "Weed"},
    {52, "Westinghouse"},
    {53, "Xomox"},
    {54, "Yamatake"},
    {55, "Yokogawa"},
    {56, "Nuovo Pignone"},
    {57, "Promac"},
    {58, "Exac Corporation"},
    {59, "KDG Mobrey"},
    {60, "Arcom Control Systems"},
    {61, "Princo"},
    {62, "Smar"},
    {63, "FOXBORO ECKARDT"},
    {64, "Measurement Technology"},
    {65, "Applied System Technologies"},
    {66, "Samson"},
    {67, "Sparling Instruments"},
    {68, "Fireye"},
    {69, "Krohne"},
    {70, "Betz"},
    {71, "Druck"},
    {72, "SOR"},
    {73, "Elcon Instruments"},
    {74, "EMCO"},
    {75, "Termiflex Corporation"},
    {76, "VAF Instruments"},
    {77, "Westlock Controls"},
    {78, "Drexelbrook"},
    {79, "Saab Tank Control"},
    {80, "K-TEK"},
    {81, "Flowdata"},
    {82, "Draeger"},
    {83, "Raytek"},
    {84, "Meridian Instruments"},
    {85, "BTG"},
    {86, "Magnetrol"},
    {87, "Neles Controls"},
    {88, "Siemens Milltronics"},
    {89, "HELIOS"},
    {90, "Anderson Instrument Company"},
    {91, "INOR"},
    {92, "ROBERTSHAW"},
    {93, "PEPPERL+FUCHS"},
    {94, "ACCUTECH"},
    {95, "Flow Measurement, Inc."},
    {96, "KAMSTRUP"},
    {97, "Knick"},
    {98, "VEGA"},
    {99, "MTS Systems Corp., Sensors NA & GmbH"},
    {100, "Oval"},
    {101, "Masoneilan-Dresser"},
    {102, "BESTA"},
    {103, "Ohmart"},
    {104, "Harold Beck and Sons, Inc."},
    {105, "rittmeyer instrumentation"},
    {106, "Rossel Messtechnik"},
    {107, "WIKA"},
    {108, "Bopp&Reuther Heinrichs"},
    {109, "PR Electronics"},
    {110, "Jordan Controls, Inc."},
    {111, "Valcom s.r.l."},
    {112, "US ELECTRIC MOTORS"},
    {113, "Apparatebau Hundsbach"},
    {250, "Not used  |de|Nicht verwendet  |fr|Non utilisé  |it|Non utilizzato  |es|No utilizado"},
    {251, "None  |de|Kein  |fr|Aucun  |it|Non previsto  |es|Sin"},
    {252, texts::kUnknown},
    {253, "Special  |de|Sonder  |fr|Spécial  |it|Speciale  |es|Especial"},
};
static_assert(std::size(kManufacturerSet) == 117);
inline constexpr std::span<const Enumerator> kClosingSet = std::span(kManufacturerSet).last<4>();

// The digits 0 to 7, each described by itself.
inline constexpr Enumerator kDigitSet[] = {
    {0, "0"},
    {1, "1"},
    {2, "2"},
    {3, "3"},
    {4, "4"},
    {5, "5"},
    {6, "6"},
    {7, "7"},
};
static_assert(std::size(kDigitSet) == 8);

// Alarm summaries.
inline constexpr BitEnumerator kBlockAlarmBits[] = {
    {0, texts::kNoAlarm},
    {0x8000, texts::kParameterModification},
};
static_assert(std::size(kBlockAlarmBits) == 2);

inline constexpr BitEnumerator kLimitAlarmBits[] = {
    {0x0200, texts::kUpperLimitAlarmState},
    {0x0400, texts::kUpperLimitWarningState},
    {0x0800, texts::kLowerLimitAlarmState},
    {0x1000, texts::kLowerLimitWarningState},
    {0x8000, texts::kParameterModification},
};
static_assert(std::size(kLimitAlarmBits) == 5);

// Device diagnosis: the status OK entry, then the seventeen condition bits.
// Bytes from the most significant one, each from its lowest bit up; the third
// byte has no condition.
inline constexpr BitEnumerator kDiagnosisBits[] = {
    {0, "Status OK  |de|Zustand OK  |fr|Etat OK  |it|Stato OK.  |es|Estado OK"},
    {0x01000000, "Hardware failure electronics.  |de|Hardware-Fehler Elektronik.  |fr|Erreur du matériel, électronique  |it|Errore elettronica hardware.  |es|Error electrónica del hardware."},
    {0x02000000, "Hardware failure mechanics.  |de|Hardware-Fehler Mechanik.  |fr|Erreur du matériel, mécanique  |it|Errore meccanica hardware.   |es|Error mecánica del hardware."},
    {0x04000000, "Motor temperature too high.  |de|Motortemperatur zu hoch.  |fr|Température moteur trop élevée  |it|Temperatura motore troppo elevata.  |es|Temperatura excesiva del motor."},
    {0x08000000, "Electronics temperature too high.  |de|Elektroniktemperatur zu hoch.  |fr|Température électronique trop élevée  |it|Temperatura della parte elettronica troppo elevata.  |es|Temperatura excesiva del sistema electrónico."},
    {0x10000000, "Memory checksum error.  |de|Speicher Prüfsummenfehler.  |fr|Erreur de total de contrôle mémoire.  |it|Errore cumulativo del controllo della memoria.  |es|Error de suma de control de la memoria."},
    {0x20000000,
     "Failure in measurement.  |de|Fehler in Meßwerterfassung.  |fr|Erreur de mesure  |it|Errore di acquisizione valori di misura.  |es|Error de medición.",
     "  |es|Error de medición. "},
    {0x40000000, "Device not initialized.  |de|Gerät nicht initialisiert.  |fr|Appareil non initialisé  |it|Apparecchio non inizializzato.  |es|Aparato no inicializado."},
    {-2147483648,
     "Selfcalibration failed.  |de|Selbstabgleich fehlerhaft.  |fr|Autocalibrage erroné  |it|Autocompensazione errata.  |es|Error en la autocompensación. ",
     "  |it|Autocompensazione errata.  |es|Error en la autocompensación."},
    {0x00010000, "Zero point error (limit position).  |de|Nullpunktfehler (Endlage).  |fr|Erreur de point zéro (fin de course)  |it|Errore punto zero (finecorsa).  |es|Error límite punto cero (posición final)."},
    {0x00020000, "Power supply failed.  |de|Keine Hilfsenergie.  |fr|Pas d'énergie auxiliaire  |it|Nessuna energia ausiliaria.  |es|Fallo en la fuente de energía."},
    {0x00040000,
     "Configuration not valid.  |de|Konfiguration ungültig.  |fr|Configuration non valide  |it|Configurazione non valida.  |es|Configuración no válida.",
     "  |es|Configuración no válida. "},
    {0x00080000,
     "New start-up (warm startup) carried out.  |de|Wiederanlauf (Warmstart) ausgeführt.  |fr|Redémarrage (à chaud) effectué  |it|Riavviamento (avviamento a caldo) eseguito.  |es|Ejecutado reinicio (arranque en caliente) ",
     "  |es|Ejecutado reinicio (arranque en caliente)"},
    {0x00100000, "Restart (cold startup) carried out.  |de|Neuanlauf (Kaltstart) ausgeführt.  |fr|Redémarrage (à froid) effectué  |it|Nuovo avviamento (avviamento a freddo) eseguito.  |es|Ejecutado reinicio (arranque en frío)"},
    {0x00200000, "Maintenance required.  |de|Wartung erforderlich.  |fr|Maintenance nécessaire  |it|Manutenzione necessaria.  |es|Requiere mantenimiento."},
    {0x00400000, "Characterization invalid.  |de|Kennlinie ungültig.  |fr|Caractéristique non valide  |it|Curva caratteristica non valida.  |es|Curva característica no válida. "},
    {0x00800000,
     "Ident Number Violation.  |de|Verletzung der Identnummer.  |fr|Violation du numéro d'identification  |it|Violazione del numero ID.  |es|Violación del n° de identificación.",
     "Ident Number Violation: Message during cyclical operation, if the   ident number is changed acyclicly.  |de|Identnummer Verletzung: Meldung beim zyklischen Betrieb, wenn die   Identnummer azyklisch geändert wurde.  |fr|Violation du numéro d'identification : message en fonctionnement   cyclique  si le numéro d'identification acyclique a été modifié.   |it|Violazione del numero ID: segnalazione con funzionamento ciclico,   se il numero ID è stato modificato con un comando aciclico.  |es|Violación del n° de identificación: Mensaje que aparece en funcionamiento   cíclico cuando el n° de identificación cambia acíclicamente."},
    {0x00000080, "More information available.  |de|Weitere Informationen verfügbar.  |fr|Informations supplémentaires disponibles  |it|Ulteriori informazioni disponibili.  |es|Más información disponible."},
};
static_assert(std::size(kDiagnosisBits) == 18);

// The status byte of a measured value (quality, substatus, limit bits).
// Value = 64 x quality + 4 x substatus + limit bits.
inline constexpr Enumerator kStatusTable[] = {
    {0, texts::kBad},
    {1, "Bad, Limit underflow  |de|Schlecht, Grenzwert unterschritten  |fr|Mauvais, valeur inférieure non atteinte  |it|Scarto, valore limite superato verso il basso   |es|Malo, Por debajo del límite inferior"},
    {2, "Bad, Limit overflow  |de|Schlecht, Grenzwert überschritten  |fr|Mauvais, valeur inférieure dépassée  |it|Scarto, valore limite superato  |es|Malo, Por encima del límite superior"},
    {3, "Bad, Value constant.  |de|Schlecht, Wert konstant  |fr|Mauvais, valeur constante  |it|Scarto, valore costante  |es|Malo, Valor constante"},
    {4, "Bad, Value not accepted  |de|Schlecht, Wert nicht akzeptiert  |fr|Mauvais, valeur refusée  |it|Scarto, valore non accettato  |es|Malo, Valor no aceptado"},
    {5, "Bad, Value not accepted, Limit underflow  |de|Schlecht, Wert nicht akzeptiert, Grenzwert unterschritten  |fr|Mauvais, valeur refusée, valeur inférieure non atteinte  |it|Scarto, valore non accettato, valore limite superato verso il basso  |es|Malo, Valor no aceptado, Por debajo del límite inferior"},
    {6, "Bad, Value not accepted, Limit overflow  |de|Schlecht, Wert nicht akzeptiert, Grenzwert überschritten  |fr|Mauvais, valeur refusée, valeur inférieure dépassée  |it|Scarto, valore non accettato, valore limite superato  |es|Malo, Valor no aceptado, Por encima del límite superior"},
    {7, "Bad, Value not accepted, Value constant  |de|Schlecht, Wert nicht akzeptiert, Wert konstant  |fr|Mauvais, valeur refusée, valeur constante  |it|Scarto, valore non accettato, valore costante  |es|Malo, Valor no aceptado, Valor constante"},
    {8, "Bad, Not connected  |de|Schlecht, Nicht angeschlossen  |fr|Mauvais, non connecté  |it|Scarto, non collegato  |es|Malo, No conectado"},
    {9, "Bad, Not connected, Limit underflow  |de|Schlecht, Nicht angeschlossen, Grenzwert unterschritten  |fr|Mauvais, non connecté, valeur inférieure non atteinte  |it|Scarto, non collegato, valore limite superato verso il basso  |es|Malo, No conectado, Por debajo del límite inferior"},
    {10, "Bad, Not connected, Limit overflow  |de|Schlecht, Nicht angeschlossen, Grenzwert überschritten  |fr|Mauvais, non connecté, valeur inférieure dépassée  |it|Scarto, non collegato, valore limite superato  |es|Malo, No conectado, Por encima del límite superior"},
    {11, "Bad, Not connected, Value constant  |de|Schlecht, Nicht angeschlossen, Wert konstant  |fr|Mauvais, non connecté, valeur constante  |it|Scarto, non collegato, valore costante  |es|Malo, No conectado, Valor constante"},
    {12, "Bad, Device failure  |de|Schlecht, Gerätefehler  |fr|Mauvais, erreur de l'appareil  |it|Scarto, errore apparrecchio  |es|Malo, Aparato averiado"},
    {13, "Bad, Device failure, Limit underflow  |de|Schlecht, Gerätefehler, Grenzwert unterschritten  |fr|Mauvais, erreur de l'appareil, valeur inférieure non atteinte  |it|Scarto, errore apparrecchio, valore limite superato verso il basso  |es|Malo, Aparato averiado, Por debajo del límite inferior"},
    {14, "Bad, Device failure, Limit overflow  |de|Schlecht, Gerätefehler, Grenzwert überschritten  |fr|Mauvais, erreur de l'appareil, valeur inférieure dépassée  |it|Scarto, errore apparrecchio, valore limite superato  |es|Malo, Aparato averiado, Por encima del límite superior"},
    {15, "Bad, Device failure, Value constant  |de|Schlecht, Gerätefehler, Wert konstant  |fr|Mauvais, erreur de l'appareil, valeur constante  |it|Scarto, errore apparrecchio, valore costante  |es|Malo, Aparato averiado, Valor constante"},
    {16, "Bad, Sensor failure  |de|Schlecht, Sensorfehler  |fr|Mauvais, erreur de détecteur  |it|Scarto, errore trasduttore  |es|Malo, Sensor averiado"},
    {17, "Bad, Sensor failure, Limit underflow  |de|Schlecht, Sensorfehler, Grenzwert unterschritten  |fr|Mauvais, erreur de détecteur, valeur inférieure non atteinte  |it|Scarto, errore trasduttore, valore limite superato verso il basso  |es|Malo, Sensor averiado, Por debajo del límite inferior"},
    {18, "Bad, Sensor failure, Limit overflow  |de|Schlecht, Sensorfehler, Grenzwert überschritten  |fr|Mauvais, erreur de détecteur, valeur inférieure dépassée  |it|Scarto, errore trasduttore, valore limite superato  |es|Malo, Sensor averiado, Por encima del límite superior"},
    {19, "Bad, Sensor failure, Value constant  |de|Schlecht, Sensorfehler, Wert konstant  |fr|Mauvais, erreur de détecteur, valeur constante  |it|Scarto, errore trasduttore, valore costante  |es|Malo, Sensor averiado, Valor constante"},
    {20, "Bad, Last value (no communication)  |de|Schlecht, Letzter Wert (keine Kommunikation)  |fr|Mauvais, dernière valeur (pas de communication)  |it|Scarto, ultimo valore (nessuna comunicazione)  |es|Malo, Último valor (no comunicación)"},
    {21, "Bad, Last value (no communication), Limit underflow  |de|Schlecht, Letzter Wert (keine Kommunikation), Grenzwert unterschritten  |fr|Mauvais, dernière valeur (pas de communication), valeur inférieure non atteinte  |it|Scarto, ultimo valore (nessuna comunicazione), valore limite superato verso il basso  |es|Malo, Último valor (no comunicación), Por debajo del límite inferior"},
    {22, "Bad, Last value (no communication), Limit overflow  |de|Schlecht, Letzter Wert (keine Kommunikation), Grenzwert überschritten  |fr|Mauvais, dernière valeur (pas de communication), valeur inférieure dépassée  |it|Scarto, ultimo valore (nessuna comunicazione), valore limite superato  |es|Malo, Último valor (no comunicación), Por encima del límite superior"},
    {23, "Bad, Last value (no communication), Value constant  |de|Schlecht, Letzter Wert (keine Kommunikation), Wert konstant  |fr|Mauvais, dernière valeur (pas de communication), valeur constante  |it|Scarto, ultimo valore (nessuna comunicazione), valore costante  |es|Malo, Último valor (no comunicación), Valor constante"},
    {24, "Bad, No value (no communication)  |de|Schlecht, Kein Wert (keine Kommunikation)  |fr|Mauvais, pas de valeur (pas de communication)  |it|Scarto, nessun valore (nessuna comunicazione)  |es|Malo, Ningún valor (no comunicación)"},
    {25, "Bad, No value (no communication), Limit underflow  |de|Schlecht, Kein Wert (keine Kommunikation), Grenzwert unterschritten  |fr|Mauvais, pas de valeur (pas de communication), valeur inférieure non atteinte  |it|Scarto, nessun valore (nessuna comunicazione), valore limite superato verso il basso  |es|Malo, Ningún valor (no comunicación), Por debajo del límite inferior"},
    {26, "Bad, No value (no communication), Limit overflow  |de|Schlecht, Kein Wert (keine Kommunikation), Grenzwert überschritten  |fr|Mauvais, pas de valeur (pas de communication), valeur inférieure dépassée  |it|Scarto, nessun valore (nessuna comunicazione), valore limite superato  |es|Malo, Ningún valor (no comunicación), Por encima del límite superior"},
    {27, "Bad, No value (no communication), Value constant  |de|Schlecht, Kein Wert (keine Kommunikation), Wert konstant  |fr|Mauvais, pas de valeur (pas de communication), valeur constante  |it|Scarto, nessun valore (nessuna comunicazione), valore costante  |es|Malo, Ningún valor (no comunicación), Valor constante"},
    {28, "Bad, Out of service  |de|Schlecht, außer Betrieb  |fr|Mauvais, hors service  |it|Scarto, fuori servizio  |es|Malo, Fuera de servicio"},
    {29, "Bad, Out of service, Limit underflow  |de|Schlecht, außer Betrieb, Grenzwert unterschritten  |fr|Mauvais, hors service, valeur inférieure non atteinte  |it|Scarto, fuori servizio, valore limite superato verso il basso  |es|Malo, Fuera de servicio, Por debajo del límite inferior"},
    {30, "Bad, Out of service, Limit overflow  |de|Schlecht, außer Betrieb, Grenzwert überschritten  |fr|Mauvais, hors service, valeur inférieure dépassée  |it|Scarto, fuori servizio, valore limite superato  |es|Malo, Fuera de servicio, Por encima del límite superior"},
    {31, "Bad, Out of service, Value constant  |de|Schlecht, außer Betrieb, Wert konstant  |fr|Mauvais, hors service, valeur constante  |it|Scarto, fuori servizio, valore costante  |es|Malo, Fuera de servicio, Valor constante"},
    {32, "Bad, Value not supported  |de|Schlecht, Wert nicht unterstützt  |fr|Mauvais, valeur non prise en charge  |it|Scarto, valore non supportato  |es|Malo, Valor no soportado"},
    {33, "Bad, Value not supported, Limit underflow  |de|Schlecht, Wert nicht unterstützt, Grenzwert unterschritten  |fr|Mauvais, valeur non prise en charge, valeur inférieure non atteinte  |it|Scarto, valore non supportato, valore limite superato verso il basso  |es|Malo, Valor no soportado, Por debajo del límite inferior"},
    {34, "Bad, Value not supported, Limit overflow  |de|Schlecht, Wert nicht unterstützt, Grenzwert überschritten  |fr|Mauvais, valeur non prise en charge, valeur inférieure dépassée  |it|Scarto, valore non supportato, valore limite superato  |es|Malo, Valor no soportado, Por encima del límite superior"},
    {35, "Bad, Value not supported, Value constant  |de|Schlecht, Wert nicht unterstützt, Wert konstant  |fr|Mauvais, valeur non prise en charge, valeur constante  |it|Scarto, valore non supportato, valore costante  |es|Malo, Valor no soportado, Valor constante"},
    {64, texts::kUncertain},
    {65, "Uncertain, Limit underflow  |de|Unsicher, Grenzwert unterschritten  |fr|Douteux, valeur limite non atteinte  |it|Incerto, valore limite superato verso il basso  |es|Inseguro, Por debajo del límite inferior"},
    {66, "Uncertain, Limit overflow  |de|Unsicher, Grenzwert überschritten  |fr|Douteux, valeur limite dépassée  |it|Incerto, valore limite superato verso l'alto  |es|Inseguro, Por encima del límite superior"},
    {67, "Uncertain, Value constant  |de|Unsicher, Wert konstant  |fr|Douteux, valeur constante  |it|Incerto, valore costante  |es|inseguro, Valor constante"},
    {68, "Uncertain, Last usable value  |de|Unsicher, Letzter brauchbarer Wert  |fr|Douteux, dernière valeur utilisable  |it|Incerto, ultimo valore utilizzabile  |es|Inseguro, Último valor utilizable, "},
    {69, "Uncertain, last usable value, Limit underflow  |de|Unsicher, Letzter brauchbarer Wert, Grenzwert unterschritten  |fr|Douteux, dernière valeur utilisable, valeur limite non atteinte  |it|Incerto, ultimo valore utilizzabile, valore limite superato verso il basso  |es|Inseguro, Último valor utilizable, Por debajo del límite inferior"},
    {70, "Uncertain, Last usable value, Limit overflow  |de|Unsicher, Letzter brauchbarer Wert, Grenzwert überschritten  |fr|Douteux, dernière valeur utilisable, valeur limite dépassée  |it|Incerto, ultimo valore utilizzabile, valore limite superato verso l'alto  |es|Inseguro, Último valor utilizable, Por encima del límite superior"},
    {71, "Uncertain, Last usable value, Value constant  |de|Unsicher, Letzter brauchbarer Wert, Wert konstant  |fr|Douteux, dernière valeur utilisable, valeur constante  |it|Incerto, ultimo valore utilizzabile, valore costante  |es|Inseguro, Último valor utilizable, Valor constante"},
    {72, "Uncertain, Substitute value  |de|Unsicher, Ersatzwert  |fr|Douteux, valeur de remplacement  |it|Incerto, valore sostitutivo  |es|Inseguro, Valor substitutivo"},
    {73, "Uncertain, Substitute value, Limit underflow  |de|Unsicher, Ersatzwert, Grenzwert unterschritten  |fr|Douteux, valeur de remplacement, valeur limite non atteinte  |it|Incerto, valore sostitutivo, valore limite superato verso il basso  |es|Inseguro, Valor substitutivo, Por debajo del límite inferior"},
    {74, "Uncertain, Substitute value, Limit overflow  |de|Unsicher, Ersatzwert, Grenzwert überschritten  |fr|Douteux, valeur de remplacement, valeur limite dépassée  |it|Incerto, valore sostitutivo, valore limite superato verso l'alto  |es|Inseguro, Valor substitutivo, Por encima del límite superior"},
    {75, "Uncertain, Substitute value, Value constant  |de|Unsicher, Ersatzwert, Wert konstant  |fr|Douteux, valeur de remplacement, valeur constante  |it|Incerto, valore sostitutivo, valore costante  |es|Inseguro, Valor substitutivo, Valor constante"},
    {76, "Uncertain, O/S initial value  |de|Unsicher, O/S-Initialwert  |fr|Douteux, valeur initiale O/S  |it|Incerto, valore iniziale O/S  |es|Inseguro, Valor inicial O/S"},
    {77, "Uncertain, O/S initial value, Limit underflow  |de|Unsicher, O/S-Initialwert, Grenzwert unterschritten  |fr|Douteux, valeur initiale O/S, valeur limite non atteinte  |it|Incerto, valore iniziale O/S, valore limite superato verso il basso  |es|Inseguro, Valor inicial O/S, Por debajo del límite inferior"},
    {78, "Uncertain, O/S initial value, Limit overflow  |de|Unsicher, O/S-Initialwert, Grenzwert überschritten  |fr|Douteux, valeur initiale O/S, valeur limite dépassée  |it|Incerto, valore iniziale O/S, valore limite superato verso l'alto  |es|Inseguro, Valor inicial O/S, Por encima del límite superior"},
    {79, "Uncertain, O/S initial value, Value constant  |de|Unsicher, O/S-Initialwert, Wert konstant  |fr|Douteux, valeur initiale O/S, valeur constante  |it|Incerto, valore iniziale O/S, valore costante  |es|Inseguro, Valor inicial O/S, Valor constante"},
    {80, "Uncertain, Value not accurate  |de|Unsicher, Wert nicht genau  |fr|Douteux, valeur inexacte  |it|Incerto, valore non preciso  |es|Inseguro, Valor inexacto"},
    {81, "Uncertain, Value not accurate, Limit underflow  |de|Unsicher, Wert nicht genau, Grenzwert unterschritten  |fr|Douteux, valeur inexacte, valeur limite non atteinte  |it|Incerto, valore non preciso, valore limite superato verso il basso  |es|Inseguro, Valor inexacto, Por debajo del límite inferior"},
    {82, "Uncertain, Value not accurate, Limit overflow  |de|Unsicher, Wert nicht genau, Grenzwert überschritten  |fr|Douteux, valeur inexacte, valeur limite dépassée  |it|Incerto, valore non preciso, valore limite superato verso l'alto  |es|Inseguro, Valor inexacto, Por encima del límite superior"},
    {83, "Uncertain, Value not accurate, Value constant  |de|Unsicher, Wert nicht genau, Wert konstant  |fr|Douteux, valeur inexacte, valeur constante  |it|Incerto, valore non preciso, valore costante  |es|Inseguro, Valor inexacto, Valor constante"},
    {84, "Uncertain, Out of range  |de|Unsicher, Wert außerhalb Meßbereich  |fr|Douteux, valeur hors de l'étendue de mesure  |it|Incerto, valore fuori campo di misurazione  |es|Inseguro, Valor fuera de alcance"},
    {85, "Uncertain, Out of range, Limit underflow  |de|Unsicher, Wert außerhalb Meßbereich, Grenzwert unterschritten  |fr|Douteux, valeur hors de l'étendue de mesure, valeur limite non atteinte  |it|Incerto, valore fuori campo di misurazione, valore limite superato verso il basso  |es|Inseguro, Valor fuera de alcance, Por debajo del límite inferior"},
    {86, "Uncertain, Out of range, Limit overflow  |de|Unsicher, Wert außerhalb Meßbereich, Grenzwert überschritten  |fr|Douteux, valeur hors de l'étendue de mesure, valeur limite dépassée  |it|Incerto, valore fuori campo di misurazione, valore limite superato verso l'alto  |es|Inseguro, Valor fuera de alcance, Por encima del límite superior"},
    {87, "Uncertain, Out of range, Value constant  |de|Unsicher, Wert außerhalb Meßbereich, Wert konstant  |fr|Douteux, valeur hors de l'étendue de mesure, valeur constante  |it|Incerto, valore fuori campo di misurazione, valore costante  |es|Inseguro, Valor fuera de alcance, Valor constante"},
    {88, "Uncertain, Sub-normal  |de|Unsicher, Sub-normal  |fr|Douteux, anormal  |it|Incerto, valore anomalo  |es|Inseguro, Subnormal"},
    {89, "Uncertain, Sub-normal, Limit underflow  |de|Unsicher, Sub-normal, Grenzwert unterschritten  |fr|Douteux, anormal, valeur limite non atteinte  |it|Incerto, valore anomalo, valore limite superato verso il basso  |es|Inseguro, Subnormal, Por debajo del límite inferior"},
    {90, "Uncertain, Sub-normal, Limit overflow  |de|Unsicher, Sub-normal, Grenzwert überschritten  |fr|Douteux, anormal, valeur limite dépassée  |it|Incerto, valore anomalo, valore limite superato verso l'alto  |es|Inseguro, Subnormal, Por encima del límite superior"},
    {91, "Uncertain, Sub-normal, Value constant  |de|Unsicher, Sub-normal, Wert konstant  |fr|Douteux, anormal, valeur constante  |it|Incerto, valore anomalo, valore costante  |es|Inseguro, Subnormal, Valor constante"},
    {92, "Uncertain, Configuration error  |de|Unsicher, Konfigurationsfehler  |fr|Douteux, erreur de configuration  |it|Incerto, errore di configurazione  |es|Inseguro, Error de configuración"},
    {93, "Uncertain, Configuration error, Limit underflow  |de|Unsicher, Konfigurationsfehler, Grenzwert unterschritten  |fr|Douteux, erreur de configuration, valeur limite non atteinte  |it|Incerto, errore di configurazione, valore limite superato verso il basso  |es|Inseguro, Error de configuración, Por debajo del límite inferior"},
    {94, "Uncertain, Configuration error, Limit overflow  |de|Unsicher, Konfigurationsfehler, Grenzwert überschritten  |fr|Douteux, erreur de configuration, valeur limite dépassée  |it|Incerto, errore di configurazione, valore limite superato verso l'alto  |es|Inseguro, Error de configuración, Por encima del límite superior"},
    {95, "Uncertain, Configuration error, Value constant  |de|Unsicher, Konfigurationsfehler, Wert konstant  |fr|Douteux, erreur de configuration, valeur constante  |it|Incerto, errore di configurazione, valore costante  |es|Inseguro, Error de configuración, Valor constante"},
    {128, texts::kGood},
    {129, "Good, Limit underflow  |de|Gut, Grenzwert unterschritten  |fr|Bon, valeur limite non atteinte  |it|Buono, valore limite superato verso il basso  |es|Bueno, Por debajo del límite inferior"},
    {130, "Good, Limit overflow  |de|Gut, Grenzwert überschritten  |fr|Bon, valeur limite dépassée  |it|Buono, valore limite superato verso l'alto  |es|Bueno, Por encima del límite superior"},
    {131, "Good, Value constant  |de|Gut, Wert konstant  |fr|Bon, valeur constante  |it|Buono, valore costante  |es|Bueno, Valor constante"},
    {132, "Good, Update event  |de|Gut, Parametrierung geändert  |fr|Bon, Update event  |it|Buono, Update event  |es|Bueno, Update event"},
    {133, "Good, Update event, Limit underflow  |de|Gut, Parametrierung geändert, Grenzwert unterschritten  |fr|Bon, Update event, valeur limite non atteinte  |it|Buono, Update event, valore limite superato verso il basso  |es|Bueno, Update event, Por debajo del límite inferior"},
    {134, "Good, Update event, Limit overflow  |de|Gut, Parametrierung geändert, Grenzwert überschritten  |fr|Bon, Update event, valeur limite dépassée  |it|Buono, Update event, valore limite superato verso l'alto  |es|Bueno, Update event, Por encima del límite superior"},
    {135, "Good, Update event, Value constant  |de|Gut, Parametrierung geändert, Wert konstant  |fr|Bon, Update event, valeur constante  |it|Buono, Update event, valore costante  |es|Bueno, Update event, Valor constante"},
    {136, "Good, Warning Limit  |de|Gut, Warngrenze  |fr|Bon, limite d'avertissement  |it|Buono, limite avviso  |es|Bueno, Límite de advertencia"},
    {137, "Good, Warning Limit underflow  |de|Gut, Warngrenze, Grenzwert unterschritten  |fr|Bon, limite d'avertissement, valeur limite non atteinte  |it|Buono, limite avviso, valore limite superato verso il basso  |es|Bueno, Límite de advertencia, Por debajo del límite inferior"},
    {138, "Good, Warning Limit overflow  |de|Gut, Warngrenze, Grenzwert überschritten  |fr|Bon, limite d'avertissement, valeur limite dépassée  |it|Buono, limite avviso, valore limite superato verso l'alto  |es|Bueno, Límite de advertencia, Por encima del límite superior"},
    {139, "Good, Warning Limit, Value constant  |de|Gut, Warngrenze, Wert konstant  |fr|Bon, limite d'avertissement, valeur constante  |it|Buono, limite avviso, valore costante  |es|Bueno, Límite de advertencia, Valor constante"},
    {140, "Good, Alarm Limit  |de|Gut, Alarmgrenze  |fr|Bon, limite d'alarme  |it|Buono, limite allarme  |es|Bueno, Límite de alarma"},
    {141, "Good, Alarm Limit underflow  |de|Gut, Alarmgrenze, Grenzwert unterschritten  |fr|Bon, limite d'alarme, valeur limite non atteinte  |it|Buono, limite allarme, valore limite superato verso il basso  |es|Bueno, Límite de alarma, Por debajo del límite inferior"},
    {142, "Good, Alarm Limit overflow  |de|Gut, Alarmgrenze, Grenzwert überschritten  |fr|Bon, limite d'alarme, valeur limite dépassée  |it|Buono, limite allarme, valore limite superato verso l'alto  |es|Bueno, Límite de alarma, Por encima del límite superior"},
    {143, "Good, Alarm Limit, Value constant  |de|Gut, Alarmgrenze, Wert konstant  |fr|Bon, limite d'alarme, valeur constante  |it|Buono, limite allarme, valore costante  |es|Bueno, Límite de alarma, Valor constante"},
    {144, "Good, Unacknowledged block alarm  |de|Gut, unquittierter Blockalarm  |fr|Bon, bloc d'alarme non validé  |it|Buono, allarme di blocco non confermato  |es|Bueno, Alarma en bloque ignorada"},
    {145, "Good, Unacknowledged block alarm, Limit underflow  |de|Gut, unquittierter Blockalarm, Grenzwert unterschritten  |fr|Bon, bloc d'alarme non validé, valeur limite non atteinte  |it|Buono, allarme di blocco non confermato, valore limite superato verso il basso  |es|Bueno, Alarma en bloque ignorada, Por debajo del límite inferior"},
    {146, "Good, Unacknowledged block alarm, Limit overflow  |de|Gut, unquittierter Blockalarm, Grenzwert überschritten  |fr|Bon, bloc d'alarme non validé, valeur limite dépassée  |it|Buono, allarme di blocco non confermato, valore limite superato verso l'alto  |es|Bueno, Alarma en bloque ignorada, Por encima del límite superior"},
    {147, "Good, Unacknowledged block alarm, Value constant  |de|Gut, unquittierter Blockalarm, Wert konstant  |fr|Bon, bloc d'alarme non validé, valeur constante  |it|Buono, allarme di blocco non confermato, valore costante  |es|Bueno, Alarma en bloque ignorada, Valor constante"},
    {148, "Good, Unacknowledged Warning  |de|Gut, Unquittierte Warnung  |fr|Bon, avertissement non validé  |it|Buono, avviso non confermato  |es|Bueno, Advertencia ignorada"},
    {149, "Good, Unacknowledged Warning, Limit underflow  |de|Gut, Unquittierte Warnung, Grenzwert unterschritten  |fr|Bon, avertissement non validé, valeur limite non atteinte  |it|Buono, avviso non confermato, valore limite superato verso il basso  |es|Bueno, Advertencia ignorada, Por debajo del límite inferior"},
    {150, "Good, Unacknowledged Warning, Limit overflow  |de|Gut, Unquittierte Warnung, Grenzwert überschritten  |fr|Bon, avertissement non validé, valeur limite dépassée  |it|Buono, avviso non confermato, valore limite superato verso l'alto  |es|Bueno, Advertencia ignorada, Por encima del límite superior"},
    {151, "Good, Unacknowledged Warning, Value constant  |de|Gut, Unquittierte Warnung, Wert konstant  |fr|Bon, avertissement non validé, valeur constante  |it|Buono, avviso non confermato, valore costante  |es|Bueno, Advertencia ignorada, Valor constante"},
    {152, "Good, Unacknowledged Alarm  |de|Gut, Unquittierter Alarm  |fr|Bon, alarme non validée  |it|Buono, allarme non confermato  |es|Bueno, Alarma ignorada"},
    {153, "Good, Unacknowledged Alarm, Limit underflow  |de|Gut, Unquittierter Alarm, Grenzwert unterschritten  |fr|Bon, alarme non validée, valeur limite non atteinte  |it|Buono, allarme non confermato, valore limite superato verso il basso  |es|Bueno, Alarma ignorada, Por debajo del límite inferior"},
    {154, "Good, Unacknowledged Alarm, Limit overflow  |de|Gut, Unquittierter Alarm, Grenzwert überschritten  |fr|Bon, alarme non validée, valeur limite dépassée  |it|Buono, allarme non confermato, valore limite superato verso l'alto  |es|Bueno, Alarma ignorada, Por encima del límite superior"},
    {155, "Good, Unacknowledged Alarm, Value constant  |de|Gut, Unquittierter Alarm, Wert konstant  |fr|Bon, alarme non validée, valeur constante  |it|Buono, allarme non confermato, valore costante  |es|Bueno, Alarma ignorada, Valor constante"},
    {160, "Good, Initiate fail-safe  |de|Gut, Gehe in Fail-Safe  |fr|Bon, initialiser le disposiif de sécurité  |it|Buono, vai in posizione di sicurezza  |es|Bueno, Pasa a autoprotección "},
    {161, "Good, Initiate fail-safe, Limit underflow  |de|Gut, Gehe in Fail-Safe, Grenzwert unterschritten  |fr|Bon, initialiser le disposiif de sécurité, valeur limite non atteinte  |it|Buono, vai in posizione di sicurezza, valore limite superato verso il basso  |es|Bueno, Pasa a autoprotección, Por debajo del límite inferior"},
    {162, "Good, Initiate fail-safe, Limit overflow  |de|Gut, Gehe in Fail-Safe, Grenzwert überschritten  |fr|Bon, initialiser le disposiif de sécurité, valeur limite dépassée  |it|Buono, vai in posizione di sicurezza, valore limite superato verso l'alto  |es|Bueno, Pasa a autoprotección, Por encima del límite superior"},
    {163, "Good, Initiate fail-safe, Value constant  |de|Gut, Gehe in Fail-Safe, Wert konstant  |fr|Bon, initialiser le disposiif de sécurité, valeur constante  |it|Buono, vai in posizione di sicurezza, valore costante  |es|Bueno, Pasa a autoprotección, Valor constante"},
};
static_assert(std::size(kStatusTable) == 100);

// The analog input block's status split into quality and limit.
inline constexpr Enumerator kFullQualitySet[] = {
    {32, texts::kGood},
    {33, texts::kGoodUpdateEvent},
    {34, texts::kGoodWarningLimit},
    {35, texts::kGoodAlarmLimit},
    {36, texts::kGoodUnackBlockAlarm},
    {37, texts::kGoodUnackWarning},
    {38, texts::kGoodUnackAlarm},
    {40, texts::kGoodFailSafe},
    {41, texts::kGoodMaintenance},
    {16, texts::kUncertain},
    {17, texts::kUncertainLastUsable},
    {18, texts::kUncertainSubstitute},
    {19, texts::kUncertainInitial},
    {20, texts::kUncertainInaccurate},
    {21, texts::kUncertainRange},
    {22, texts::kUncertainSubNormal},
    {23, texts::kUncertainConfiguration},
    {0, texts::kBad},
    {1, texts::kBadConfiguration},
    {2, "Bad: not connected  |de|Schlecht: keine Verbindung  |fr|Mauvais : pas de liaison  |it|Scarto: nessun collegamento  |es|Malo: sin conexión"},
    {3, texts::kBadDevice},
    {4, texts::kBadSensor},
    {5, "Bad: last usable value (no comm.)  |de|Schlecht: letzter brauchbarer Wert (keine Komm.)  |fr|Mauvais : dernière valeur utilisable (pas de comm.)  |it|Scarto: ultimo valore utilizzabile (nessuna com.)  |es|Malo: último valor utilizable (sin com.)"},
    {6, texts::kBadNoUsable},
    {7, texts::kBadOutOfService},
};
static_assert(std::size(kFullQualitySet) == 25);

// Offered while the value is set by hand: the full set without "not
// connected" (2) and "last usable value" (5).
inline constexpr auto kManualQualitySet = withoutValues(kFullQualitySet, {2, 5});
static_assert(std::size(kManualQualitySet) == 23);

inline constexpr Enumerator kReducedLimitSet[] = {
    {0, texts::kLimitOk},
    {3, texts::kLimitConstant},
};
static_assert(std::size(kReducedLimitSet) == 2);

inline constexpr Enumerator kFullLimitSet[] = {
    {0, texts::kLimitOk},
    {1, "Limit underflow  |de|Grenzwert unterschritten  |fr|Valeur inférieure non atteinte  |it|Valore limite superato verso il basso  |es|Por debajo del límite inferior"},
    {2, "Limit overflow  |de|Grenzwert überschritten  |fr|Valeur inférieure dépassée  |it|Valore limite superato verso l'alto  |es|Por encima del límite superior"},
    {3, texts::kLimitConstant},
};
static_assert(std::size(kFullLimitSet) == 4);

// Unit codes. The output unit set's codes and texts are the rows the range
// values choose their unit text from by the primary value's unit.
inline constexpr auto kOutputUnitSet = enumeratorsOf(variables::kOutputUnitRows);
static_assert(std::size(kOutputUnitSet) == 17);

inline constexpr Enumerator kSensorUnitSet[] = {
    {1018, "ft", texts::kFeet},
    {1010, "m", texts::kMeters},
    {1130, "Pa", "Pascals  |de|Pascal  |fr|Pascals  |it|Pascal  |es|Pascal"},
    {1138, "mbar", "Millibars  |de|Millibar  |fr|Millibars  |it|Millibar  |es|Milibarios"},
    {1141, "psi",
     "Pounds Per Square Inch  |de|Pfund per Quadratinch  |fr|Livres par pouce carré  |it|Libbra per inch quadrato (in)  |es|Libras por pulgada cuadrada"},
};
static_assert(std::size(kSensorUnitSet) == 5);

inline constexpr Enumerator kCalibrationTypeSet[] = {
    {1, "Online"},
    {0, "Offline"},
};
static_assert(std::size(kCalibrationTypeSet) == 2);

// Listed in the device's order, not by code.
inline constexpr Enumerator kErrorCodeSet[] = {
    {0, "E000: No Error"},
    {103, "E103: Init active"},
    {106, "E106: EEPROM Error"},
    {621, "E621: Freq. CUF too low"},
    {661, "E661: Elec. Temp too high"},
    {204, "E204: Cap too high"},
    {203, "E203: Cap too low"},
    {613, "E613: Simmode active"},
    {617, "E617: Delta C too small"},
};
static_assert(std::size(kErrorCodeSet) == 9);

inline constexpr Enumerator kConfirmSet[] = {
    {1, "confirm|de|Bestätigen"},
};
static_assert(std::size(kConfirmSet) == 1);

}  // namespace enumerations
