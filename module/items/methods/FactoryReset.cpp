// Factory reset, warm start, address reset and the device-specific reset:
// a reset code into phys_factory_reset, sent with write_phys_factory_reset.
#include <cstdint>
#include <cstdio>

#include "items/DeviceCodes.h"
#include "items/Texts.h"
#include "items/methods/MethodRun.h"

namespace methods {

void method_phys_factory_reset_params_body(MethodRun& run) {
    run.ShowMessage(texts::kFactoryReset, {});
    run.PutIntegerValue(item::phys_factory_reset, code::kFactoryReset);
    run.WriteCommand(item::write_phys_factory_reset);
    run.SaveValues();
    run.SaveValues();
}

void method_phys_factory_reset_warm_body(MethodRun& run) {
    char sz[512];
    std::int32_t iLen = 512;
    std::snprintf(sz, sizeof sz, "%s",
                  "Warm start|de|Warmstart|fr|Démarrage à chaud|it|Avvio a caldo|sp|Arranque en caliente");
    run.ShowMessage(sz, {{"sz", CDDCommonVariant(sz)}, {"iLen", CDDCommonVariant(iLen)}});
    run.PutIntegerValue(item::phys_factory_reset, code::kWarmStart);
    run.WriteCommand(item::write_phys_factory_reset);
    run.SaveValues();
    run.SaveValues();
}

void method_phys_factory_reset_address_body(MethodRun& run) {
    run.PutIntegerValue(item::phys_factory_reset, code::kResetBusAddress);
    run.WriteCommand(item::write_phys_factory_reset);
    run.SaveValues();
    run.SaveValues();
}

void method_phys_factory_reset_device_specific_body(MethodRun& run) {
    // Never filled by the method; handed over as an empty text.
    char sz[512] = "";
    run.EditValue("Reset  |de|Rücksetzen  |fr|Remise à zéro  |it|Reset  |es|Reset", item::phys_factory_reset,
                  {{"sz", CDDCommonVariant(sz)}});
    run.WriteCommand(item::write_phys_factory_reset);
    run.SaveValues();
    run.SaveValues();
}

}  // namespace methods
