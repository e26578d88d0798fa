// Actions of parWriteLocking: only 0 and the write-unlock code are accepted,
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
    case 0:
        run.PutIntegerValue(item::var_locking_local, 0);
        break;
    case code::kWriteUnlock:
        run.PutIntegerValue(item::var_locking_local, code::kWriteUnlock);
        break;
    default:
        // A wrong code: back to the last accepted value.
        run.PutIntegerValue(item::parWriteLocking, run.GetIntegerValue(item::var_locking_local));
        break;
    }
    run.SaveValues();
}

void updateParShowAccess_body(MethodRun& run) {
    if (run.GetIntegerValue(item::parWriteLocking) == code::kWriteUnlock)
        run.PutIntegerValue(item::parShowAccess, 4);
    else
        run.PutIntegerValue(item::parShowAccess, 0);
    run.SaveValues();
}

}  // namespace methods
