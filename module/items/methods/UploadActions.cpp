// Around a write of the upload parameter set: unlock the device first, put
// the lock value it reported back afterwards.
#include "items/DeviceCodes.h"
#include "items/methods/MethodRun.h"

namespace methods {

void uploadVariablesPreWriteActions_body(MethodRun& run) {
    run.PutIntegerValue(item::parWriteLocking_BACKUP, run.GetIntegerValue(item::parWriteLocking_DIAGNOSTIC));
    run.PutIntegerValue(item::parWriteLocking, code::kWriteUnlock);
    run.WriteCommand(item::write_parWriteLocking);
    run.SaveValues();
}

void uploadVariablesPostWriteActions_body(MethodRun& run) {
    run.PutIntegerValue(item::parWriteLocking, run.GetIntegerValue(item::parWriteLocking_BACKUP));
    run.WriteCommand(item::write_parWriteLocking);
    run.SaveValues();
}

}  // namespace methods
