// Actions of parWriteLocking: only the write-unlock code and 0 are accepted,
// and the access level follows every read of it.
#include "items/DeviceCodes.h"
#include "items/methods/MethodRun.h"

namespace methods {

void method_parWriteLocking_remember_body(MethodRun& run) {
    run.PutIntegerValue(item::var_locking_local, run.GetIntegerValue(item::parWriteLocking));
    run.SaveValues();
}

void method_parWriteLocking_check_body(MethodRun& run) {
    switch (run.GetIntegerValue(item::parWriteLocking)) {
    case code::kWriteLock: run.PutIntegerValue(item::var_locking_local, code::kWriteLock); break;
    case code::kWriteUnlock: run.PutIntegerValue(item::var_locking_local, code::kWriteUnlock); break;
    default:
        // A wrong code: back to the last accepted value.
        run.PutIntegerValue(item::parWriteLocking, run.GetIntegerValue(item::var_locking_local));
        break;
    }
    run.SaveValues();
}

void updateParShowAccess_body(MethodRun& run) {
    if (run.GetIntegerValue(item::parWriteLocking) == code::kWriteUnlock)
        run.PutIntegerValue(item::parShowAccess, code::kAccessCustomer);
    else
        run.PutIntegerValue(item::parShowAccess, code::kAccessLocked);
    run.SaveValues();
}

}  // namespace methods
