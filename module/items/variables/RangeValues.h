// The analog input block's input and output range values. The input pair shows
// the primary value's unit; the output pair gets its unit from the output
// scale's unit relation and carries none here.
#pragma once

#include "engine/Request.h"
#include "items/variables/UnitTables.h"
#include "items/variables/Variable.h"

// clang-format off
namespace variables::range_values {

// Display formats by the output scale's decimal point d: a large value in
// general notation with d + 1 significant digits, a normal one with d decimals.
struct Formats {
    const char* large;
    const char* normal;
};
constexpr Formats kByDecimalPoint[] = {
    {".1g", ".0f"},  // 0
    {".2g", ".1f"},  // 1
    {".3g", ".2f"},  // 2
    {".4g", ".3f"},  // 3
    {".5g", ".4f"},  // 4
    {".6g", ".5f"},  // 5
    {".7g", ".6f"},  // 6
    {".8g", ".7f"},  // 7
};
constexpr Formats kOtherDecimalPoint = {"8.4g", "7.4f"};

// The lower range values: the input one follows the output scale's decimal
// point too, there being no other. The bounds are nine nines, strict.
inline const char* lowerRangeDisplayFormat(Request& r, item::Id self) {
    const CDDCommonVariant* value = r.currentValue(self);
    bool large = value && *value > CDDCommonVariant(999999999);
    if (!large) {
        value = r.currentValue(self);
        large = value && *value < CDDCommonVariant(-999999999);
    }
    CDDCommonVariant decimalPoint;
    if (const CDDCommonVariant* current = r.currentValue(item::func1_AI_out_decimal_point)) decimalPoint = *current;
    const Formats* chosen = &kOtherDecimalPoint;
    for (int d = 0; d < 8; ++d) {
        if (decimalPoint == CDDCommonVariant(d)) {
            chosen = &kByDecimalPoint[d];
            break;
        }
    }
    return large ? chosen->large : chosen->normal;
}

constexpr const char* kUpperLabel =
    "Upper Value  |de|Endwert  |fr|Valeur finale  |it|Valore finale  |es|Valor final";
constexpr const char* kLowerLabel =
    "Lower Value  |de|Anfangswert  |fr|Valeur initiale  |it|Valore iniziale  |es|Valor inicial";

// Upper values default to the int 100, lower ones to the double 0.0.
constexpr Variable kRows[] = {
    {.id = item::func1_AI_pv_upper_range_value,
     .label = kUpperLabel,
     .help = "Defines the operational upper range value of the input value (100%)   in engineering units.  "
             "|de|Legt den oberen Bereichswert des Eingangswerts (100 %) in der technischen Einheit fest.  "
             "|fr|Définit la valeur de fin d'échelle de la valeur d'entrée (100 %) dans l'unité technique.  "
             "|it|Definisce il valore di fine campo del valore di ingresso (100 %) nell'unità tecnica.  "
             "|es|Define el valor superior del rango del valor de entrada (100 %) en unidades técnicas.",
     .defaultValue = integer(100),
     .handling = locked,
     .unit = unitByCode(item::trans1_primary_value_unit, kByPrimaryValueUnit)},
    {.id = item::func1_AI_pv_lower_range_value,
     .label = kLowerLabel,
     .help = "Defines the operational lower range value of the input value (0%)   in engineering units.  "
             "|de|Legt den unteren Bereichswert des Eingangswerts (0 %) in der technischen Einheit fest.  "
             "|fr|Définit la valeur de début d'échelle de la valeur d'entrée (0 %) dans l'unité technique.  "
             "|it|Definisce il valore di inizio campo del valore di ingresso (0 %) nell'unità tecnica.  "
             "|es|Define el valor inferior del rango del valor de entrada (0 %) en unidades técnicas.",
     .displayFormatRule = lowerRangeDisplayFormat,
     .defaultValue = real(0.0),
     .handling = locked,
     .unit = unitByCode(item::trans1_primary_value_unit, kByPrimaryValueUnit)},
    {.id = item::func1_AI_out_upper_range_value,
     .label = kUpperLabel,
     .help = "Upper Value (Output Signal Range): Upper range value of the process   variable (100%) in engineering "
             "units.  "
             "|de|Endwert (Ausgangssignalbereich): Oberer Bereichswert der Prozessgröße (100 %) in der technischen "
             "Einheit.  "
             "|fr|Valeur finale (plage du signal de sortie) : valeur de fin d'échelle de la grandeur de processus "
             "(100 %) dans l'unité technique.  "
             "|it|Valore finale (campo del segnale di uscita): valore di fine campo della grandezza di processo "
             "(100 %) nell'unità tecnica.  "
             "|es|Valor final (rango de la señal de salida): valor superior del rango de la variable de proceso "
             "(100 %) en unidades técnicas.",
     .defaultValue = integer(100),
     .handling = locked},
    {.id = item::func1_AI_out_lower_range_value,
     .label = kLowerLabel,
     .help = "Lower Value (Output Signal Range): Lower range value of the process   variable (0%) in engineering "
             "units.  "
             "|de|Anfangswert (Ausgangssignalbereich): Unterer Bereichswert der Prozessgröße (0 %) in der "
             "technischen Einheit.  "
             "|fr|Valeur initiale (plage du signal de sortie) : valeur de début d'échelle de la grandeur de "
             "processus (0 %) dans l'unité technique.  "
             "|it|Valore iniziale (campo del segnale di uscita): valore di inizio campo della grandezza di processo "
             "(0 %) nell'unità tecnica.  "
             "|es|Valor inicial (rango de la señal de salida): valor inferior del rango de la variable de proceso "
             "(0 %) en unidades técnicas.",
     .displayFormatRule = lowerRangeDisplayFormat,
     .defaultValue = real(0.0),
     .handling = locked},
};

}  // namespace variables::range_values
