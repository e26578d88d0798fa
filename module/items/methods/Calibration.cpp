// Calibration: the offline table's type check and the empty and full transfers.
#include "items/DeviceCodes.h"
#include "items/methods/MethodRun.h"

namespace methods {

void meth_pe_trans1_calibration_type_offline_body(MethodRun& run) {
    if (run.GetIntegerValue(item::trans1_calibration_type_offline) == code::kOnlineCalibration)
        run.ShowMessage(
            "Online Calibration not possible in Offlinetable. See Menu Device, Calibration.|de|Online "
            "Abgleich in Offlinetabelle nicht möglich. Siehe Menü Gerät, Grundabgleich.",
            {});
}

void meth_transfer_calibration_empty_body(MethodRun& run) {
    // The calibration point goes only with an offline calibration.
    if (run.GetIntegerValue(item::trans1_calibration_type) == code::kOfflineCalibration)
        run.WriteCommand(item::write_trans1_cal_point_lo);
    run.WriteCommand(item::write_trans1_level_lo);
    run.WriteCommand(item::write_parBargraphScaleMin);
}

void meth_transfer_calibration_full_body(MethodRun& run) {
    if (run.GetIntegerValue(item::trans1_calibration_type) == code::kOfflineCalibration)
        run.WriteCommand(item::write_trans1_cal_point_hi);
    run.WriteCommand(item::write_trans1_level_hi);
    run.WriteCommand(item::write_parBargraphScaleMax);
}

}  // namespace methods
