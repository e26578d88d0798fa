// The registry calls the module's self-registration uses, with the
// semantics it relies on. On Windows they are the system's own; elsewhere
// they are backed by files under a root directory:
// $DD_REGISTRY_ROOT, else $XDG_DATA_HOME/ddregistry, else
// ~/.local/share/ddregistry, else ddregistry in the temporary folder when it
// is the user's own. A key is a directory, a value a file; only the
// backslash separates keys, so "Corvalin / KSM 27 / V1.0" is one key. Below
// the root no link is followed: a key reached through one is refused, and a
// value is never written or read through one. Each call is whole with
// respect to every other on the same root, in any process, and what a call
// has written is on the disk when it returns.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace platform {

using LONG = std::int32_t;
using DWORD = std::uint32_t;
using BYTE = unsigned char;
using REGSAM = std::uint32_t;

struct RegistryKey;
using HKEY = RegistryKey*;

extern const HKEY HKEY_LOCAL_MACHINE;

inline constexpr LONG ERROR_SUCCESS = 0;
inline constexpr LONG ERROR_FILE_NOT_FOUND = 2;
inline constexpr LONG ERROR_TOO_MANY_OPEN_FILES = 4;
inline constexpr LONG ERROR_ACCESS_DENIED = 5;
inline constexpr LONG ERROR_INVALID_HANDLE = 6;
inline constexpr LONG ERROR_NOT_ENOUGH_MEMORY = 8;
inline constexpr LONG ERROR_NOT_SUPPORTED = 50;
inline constexpr LONG ERROR_BAD_NETPATH = 53;
inline constexpr LONG ERROR_INVALID_PARAMETER = 87;
inline constexpr LONG ERROR_DISK_FULL = 112;
inline constexpr LONG ERROR_MOD_NOT_FOUND = 126;
inline constexpr LONG ERROR_FILE_TOO_LARGE = 223;
inline constexpr LONG ERROR_KEY_DELETED = 1018;
inline constexpr DWORD REG_SZ = 1;
inline constexpr DWORD REG_DWORD = 4;
inline constexpr REGSAM KEY_WRITE = 0x20006;

// Only the local machine (no machine name) can be reached. A call through a
// key that has been deleted since it was opened fails with ERROR_KEY_DELETED.
// Off Windows, connecting makes no root folder: the first RegCreateKeyExA
// that needs one does, and until then the other calls find no key.
LONG RegConnectRegistryA(const char* machine, HKEY predefined, HKEY* result);
// Creates missing keys along the path; opens an existing one.
LONG RegCreateKeyExA(HKEY key, const char* subKey, DWORD reserved, char* keyClass, DWORD options, REGSAM access,
                     void* security, HKEY* result, DWORD* disposition);
LONG RegOpenKeyExA(HKEY key, const char* subKey, DWORD options, REGSAM access, HKEY* result);
LONG RegSetValueExA(HKEY key, const char* valueName, DWORD reserved, DWORD type, const BYTE* data, DWORD size);
// Deletes a key that has no subkeys, with its values.
LONG RegDeleteKeyA(HKEY key, const char* subKey);
LONG RegCloseKey(HKEY key);

// Where a cancellation of the calling thread was asked for and not yet
// acted on, the thread ends here; else nothing. The module's registration
// calls begin with it, outside anything that would stop the thread's
// unwinding, as no call is cancelled once it has begun: a thread making only
// registration calls could never be cancelled otherwise. Nothing on Windows.
void endIfCancelled();

// Reading back, for the host tool and the tests.
struct RegistryValue {
    std::string name;
    DWORD type = 0;
    std::vector<BYTE> data;
};
// The root directory; empty where the registry is the system's own. Throws
// std::runtime_error when no folder can be found for it, or when the
// temporary folder's is not the user's alone.
std::filesystem::path registryRoot();
#if !defined(_WIN32)
// Where the root directory lies, whatever stands there, looked at or not:
// the one the registry refuses (as not the user's own) too, and its place
// where it cannot be reached or opened, or is none. Empty where no folder is
// named. The registry's own calls name the root by the same reading of the
// environment.
std::filesystem::path registryRootPlace();
// Takes, on the folder in the root's place open as `root`, the lock a
// reading call holds, until every copy of that descriptor is closed:
// meanwhile no call of any process is under way on that root, and none
// begins. It waits for a call under way only where `root` is the folder the
// registry's calls would use; elsewhere a lock held fails with EWOULDBLOCK.
// 0 or the system's error.
int lockRootForReading(int root);
#endif
// The values of a key below HKEY_LOCAL_MACHINE (backslash-separated path),
// or nothing when the key does not exist. A key that cannot be read or is
// reached through a link, and a damaged folder (a value file whose name the
// registry cannot have written, one that is not a plain file or is larger
// than 1 MiB, or one too short to hold its type), throw
// std::runtime_error naming the folder or file; so does a registry with no
// root folder to be found.
std::optional<std::vector<RegistryValue>> readKey(const std::string& path);

}  // namespace platform
