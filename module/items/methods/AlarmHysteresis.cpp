// The alarm hysteresis must lie within the span of the outer alarm limits;
// otherwise it becomes 5 % of the span and the user is told.
#include <cstdint>

#include "items/methods/MethodRun.h"

namespace methods {

namespace {
// The share of the limits' span that a replaced hysteresis takes.
constexpr double kHysteresisShare = 0.05;
}  // namespace

void method_check_func1_AI_alarm_hys_body(MethodRun& run) {
    float hi_hi_lim;
    float lo_lo_lim;
    float hyst;
    float hyst_new;
    float fDiff;
    std::int32_t var_id[3];

    var_id[2] = 0;
    hi_hi_lim = run.GetFloatValue(item::func1_AI_hi_hi_lim);
    lo_lo_lim = run.GetFloatValue(item::func1_AI_lo_lo_lim);
    fDiff = hi_hi_lim - lo_lo_lim;
    hyst = run.GetFloatValue(item::func1_AI_alarm_hys);
    if (fDiff < 0) fDiff = -fDiff;
    if (hyst >= 0 && hyst < fDiff) return;

    hyst_new = static_cast<float>(static_cast<double>(fDiff) * kHysteresisShare);
    run.PutFloatValue(item::func1_AI_alarm_hys, hyst_new);
    run.SaveValues();
    var_id[0] = run.GetVariableId(item::func1_AI_alarm_hys);
    var_id[1] = run.GetVariableId(item::func1_AI_out_unit);
    run.ShowMessage(
        "The error signal hysteresis is invalid and will be set to 5 percent of the alarm limit value.  |de|Alarm-"
        "Hysterese ist ungültig und wird auf 5 Prozent der Alarmgrenzwerte eingestellt!  |fr|L'hystérésis du signal "
        "d'alarme n'est pas valide et sera réglée à 5 % de la valeur limite d'alarme.  |it|L'isteresi per "
        "l'elaborazione dell'allarme non è valida e viene, pertanto impostata al 5 % dei valori limite.  |es|La "
        "histéresis de la alarma no es válida, por lo que se ajustará al 5% de los límites de la alarma.",
        {{"hi_hi_lim", CDDCommonVariant(hi_hi_lim)},
         {"lo_lo_lim", CDDCommonVariant(lo_lo_lim)},
         {"hyst", CDDCommonVariant(hyst)},
         {"hyst_new", CDDCommonVariant(hyst_new)},
         {"fDiff", CDDCommonVariant(fDiff)},
         {"var_id", CDDCommonVariant(var_id, 3)}});
}

}  // namespace methods
