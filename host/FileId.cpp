#include "host/FileId.h"

#if defined(_WIN32)
#include <windows.h>

#include <string>
#else
#include <dlfcn.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <cstdio>
#include <fstream>
#include <string>
#endif

#if defined(_WIN32)

std::optional<FileId> fileIdOf(void* handle) {
    BY_HANDLE_FILE_INFORMATION info;
    if (handle == INVALID_HANDLE_VALUE || !GetFileInformationByHandle(handle, &info)) return std::nullopt;
    return FileId{info.dwVolumeSerialNumber, std::uint64_t{info.nFileIndexHigh} << 32 | info.nFileIndexLow};
}

std::optional<FileId> mappedFile(const void* address) {
    HMODULE module = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            static_cast<LPCWSTR>(address), &module))
        return std::nullopt;
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(module, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0) return std::nullopt;
        if (length < name.size()) {
            name.resize(length);
            break;
        }
        name.resize(name.size() * 2);
    }
    // Opened as reported, with nothing trimmed or read anew: "\\?\" before a
    // drive or a share. A name that is neither names no file for certain.
    if (name.rfind(L"\\\\?\\", 0) == 0) {
    } else if (name.size() > 2 && name[1] == L':' && name[2] == L'\\') {
        name.insert(0, L"\\\\?\\");
    } else if (name.rfind(L"\\\\", 0) == 0) {
        name.replace(0, 2, L"\\\\?\\UNC\\");
    } else {
        return std::nullopt;
    }
    const HANDLE file =
        CreateFileW(name.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    const auto id = fileIdOf(file);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    return id;
}

#else

FileId fileIdOf(const struct stat& status) {
    return FileId{static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino)};
}

std::optional<FileId> fileIdOf(int descriptor) {
    struct stat s {};
    if (fstat(descriptor, &s) != 0) return std::nullopt;
    return fileIdOf(s);
}

std::optional<FileId> mappedFile(const void* address) {
    // The mapping itself tells its device and inode, whatever has become of
    // the name it was loaded by since.
    const auto at = reinterpret_cast<std::uintptr_t>(address);
    std::ifstream maps("/proc/self/maps");
    for (std::string line; std::getline(maps, line);) {
        unsigned long long start = 0, end = 0, offset = 0, inode = 0;
        unsigned major = 0, minor = 0;
        char access[8];
        if (std::sscanf(line.c_str(), "%llx-%llx %7s %llx %x:%x %llu", &start, &end, access, &offset, &major, &minor,
                        &inode) != 7)
            continue;
        if (at < start || at >= end) continue;
        if (inode == 0) return std::nullopt;
        return FileId{static_cast<std::uint64_t>(makedev(major, minor)), inode};
    }
    if (maps.is_open()) return std::nullopt;
    // Without /proc, the name the loader keeps is all there is.
    Dl_info info{};
    struct stat s {};
    if (!dladdr(address, &info) || !info.dli_fname || stat(info.dli_fname, &s) != 0) return std::nullopt;
    return fileIdOf(s);
}

#endif
