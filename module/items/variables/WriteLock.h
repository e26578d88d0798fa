// The write lock and the variables that keep or report its value. The lock
// does not lock these: they are read and write whatever its value.
#pragma once

#include "items/DeviceCodes.h"
#include "items/variables/Variable.h"

// clang-format off
namespace variables::write_lock {

constexpr const char kUnlockParameter[] =
    "unlock parameter|de|Freigabecode|fr|Code opération|es|Freigabecode|it|Modo operativo|nl|startcode";

constexpr Variable kRows[] = {
    {.id = item::parWriteLocking,
     .label = kUnlockParameter,
     .size = 2,
     .defaultValue = integer(code::kWriteUnlock),
     .handling = readWrite,
     .preEdit = {item::method_parWriteLocking_remember},
     .postEdit = {item::method_parWriteLocking_check},
     .postRead = {item::updateParShowAccess}},
    {.id = item::parWriteLocking_BACKUP,
     .label = kUnlockParameter,
     .size = 2,
     .defaultValue = integer(code::kWriteUnlock),
     .handling = readWrite},
    {.id = item::parWriteLocking_DIAGNOSTIC,
     .label = kUnlockParameter,
     .size = 2,
     .defaultValue = integer(code::kWriteUnlock),
     .handling = readWrite},
    // Carries the lock value across an edit of parWriteLocking.
    {.id = item::var_locking_local, .size = 2},
};

}  // namespace variables::write_lock
