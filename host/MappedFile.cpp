#include "host/MappedFile.h"

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

std::optional<FileId> mappedFile(const void* address) {
    HMODULE module = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            static_cast<LPCWSTR>(address), &module))
        return std::nullopt;
    // Opened as reported, with nothing trimmed or read anew.
    const std::wstring file = platform::verbatimPath(platform::reportedFileName(module));
    return file.empty() ? std::nullopt : platform::fileIdAt(file);
}

#else

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
    struct stat status {};
    if (!dladdr(address, &info) || !info.dli_fname || stat(info.dli_fname, &status) != 0) return std::nullopt;
    return platform::fileIdOf(status);
}

#endif
