#include "platform/FileId.h"

#include <windows.h>

#include <string_view>

namespace platform {

std::optional<FileId> fileIdOf(void* handle) {
    BY_HANDLE_FILE_INFORMATION info;
    if (handle == INVALID_HANDLE_VALUE || !GetFileInformationByHandle(handle, &info)) return std::nullopt;
    return FileId{info.dwVolumeSerialNumber, std::uint64_t{info.nFileIndexHigh} << 32 | info.nFileIndexLow};
}

std::optional<FileId> fileIdAt(const std::wstring& path) {
    const HANDLE file =
        CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                    OPEN_EXISTING, 0, nullptr);
    const auto id = fileIdOf(file);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    return id;
}

std::wstring reportedFileName(void* module) {
    // Read wide, as the narrow call would give look-alikes of the characters
    // the code page lacks. The buffer grows until the whole name fits: a long
    // path is never cut.
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(static_cast<HMODULE>(module), name.data(), static_cast<DWORD>(name.size()));
        if (length == 0) return {};
        if (length < name.size()) {
            name.resize(length);
            return name;
        }
        name.resize(name.size() * 2);
    }
}

std::wstring verbatimPath(const std::wstring& reported) {
    const std::wstring_view path(reported);
    if (path.starts_with(L"\\\\?\\")) return reported;
    if (path.size() >= 3 && ((path[0] >= L'A' && path[0] <= L'Z') || (path[0] >= L'a' && path[0] <= L'z')) &&
        path[1] == L':' && path[2] == L'\\')
        return L"\\\\?\\" + reported;
    if (path.starts_with(L"\\\\") && path.size() > 2 && path[2] != L'\\' && path[2] != L'?' && path[2] != L'.')
        return L"\\\\?\\UNC" + reported.substr(1);
    return {};
}

}  // namespace platform
