// The transducer block's calibration type (twice: online and on the offline
// calibration tab), characterization type and characterization table status.
#pragma once

#include "items/Texts.h"
#include "items/enumerations/SharedSets.h"

// clang-format off
namespace enumerations::calibration_and_table {

using variables::integer;
using variables::locked;
using variables::read;

constexpr const char* kCalibrationHelp = "Selects the type of the empty and full calibration as described by   manufacturer.  |de|Auswahl der herstellerspezifischen Kalibrierung für leer und voll.  |fr|Sélection du calibrage spécifique au constructeur. Calibrage pour   vide et plein.  |it|Selezione della calibrazione specifica del produttore. Calibrazione   per vuoto e pieno.  |es|Selecciona el tipo de calibración en lleno y en vacío según las especificaciones   del fabricante.";

constexpr Enumerator kLinType[] = {
    {0, "vertical|de|stehend|fr|verticale|it|verticale"},
    {20, "horizontal|de|liegend|fr|horizontale|it|orizzontale"},
};

constexpr Enumerator kTabStatus[] = {
    {0, "Not initialized  |de|Nicht initialisiert  |fr|Non initialisé  |it|Non inizializzato  |es|No inicializado"},
    {1, "Good  |de|Gut  |fr|Bon  |it|Buono  |es|Bueno"},
    {2, "Characterization: Not monotonous increasing  |de|Kennlinie: Nicht monoton steigend  |fr|Caractéristique : Croissant, non monotone  |it|Curva caratteristica: crescente non monotona  |es|Curva característica: No crece monótonamente"},
    {3, "Characterization: Not monotonous decreasing  |de|Kennlinie: Nicht monoton fallend  |fr|Caractéristique : Décroissant non monotone  |it|Curva caratteristica: decrescente non monotona  |es|Curva característica: No decrece monótonamente"},
    {4, "Not enough values transmitted  |de|Nicht genug Werte übertragen  |fr|Nombre de valeurs transmises insuffisant  |it|Non sono stati trasmessi sufficienti valori  |es|No se transmitieron suficientes valores"},
    {5, "Too many values transmitted  |de|Zuviel Werte übertragen  |fr|Nombre de valeurs transmises trop important   |it|Sono stati trasmessi troppi valori  |es|Se transmitieron demasiados valores"},
    {6, "Gradient of edge too high  |de|Steigung der Flanke zu hoch  |fr|Gradient du front trop élevé  |it|Gradiente del fronte troppo elevato  |es|Demasiada gradiente en el flanco"},
};

constexpr Variable kRows[] = {
    {.id = item::trans1_calibration_type,
     .label = "Calibration Type  |de|Kalibrierungsart  |fr|Type de calibrage  |it|Tipo di calibrazione  |es|Tipo de calibración",
     .help = kCalibrationHelp,
     .size = 1,
     .defaultValue = integer(0),
     .handling = locked,
     .maxEnumIndex = 0,
     .enumerators = kCalibrationTypeSet},
    {.id = item::trans1_lin_type,
     .label = texts::kCharacterizationType,
     .help = texts::kCharacterizationTypeHelp,
     .size = 1,
     .defaultValue = integer(0),
     .handling = locked,
     .maxEnumIndex = 0,
     .enumerators = kLinType},
    {.id = item::trans1_tab_status,
     .label = "Status (Characterization)  |de|Status (Kennlinie)  |fr|Etat (caractéristique)  |it|Stato (curva caratteristica)  |es|Status (curva característica)",
     .help = "Current status of the transmitted configuration table.  |de|Aktueller Status der übertragenen Konfigurationstabelle.  |fr|Etat actuel du tableau de configuration transmis  |it|Stato attuale della tabella di configurazione trasmessa  |es|Estado actual de la tabla de configuración transferida",
     .size = 1,
     .handling = read,
     .maxEnumIndex = 6,
     .enumerators = kTabStatus},
    {.id = item::trans1_calibration_type_offline,
     .label = texts::kCalType,
     .help = kCalibrationHelp,
     .size = 1,
     .defaultValue = integer(0),
     .handling = locked,
     .postEdit = {item::meth_pe_trans1_calibration_type_offline},
     .maxEnumIndex = 0,
     .enumerators = kCalibrationTypeSet},
};

}  // namespace enumerations::calibration_and_table
