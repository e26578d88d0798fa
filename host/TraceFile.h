// The file a trace goes to, owned by one piece from the command line to the
// last line: opened once, before the run, without cutting it; checked, by
// the file itself, against the files the run must leave alone; then cut and
// written through that same handle (on Windows one opened again and found to
// be the same file), so that no name can point elsewhere in between.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "host/MappedFile.h"

class ModuleLoader;

class TraceFile {
public:
    // `name` as the command line gave it (UTF-8). The file is made where it
    // is missing.
    explicit TraceFile(const std::string& name);
    ~TraceFile();
    TraceFile(const TraceFile&) = delete;
    TraceFile& operator=(const TraceFile&) = delete;

    // Whether the file opened, on Windows also for writing; if not, why (the
    // system's words).
    bool opened() const;
    const std::string& error() const { return error_; }
    // What the open file is of those the run needs or writes: "is the
    // module itself" (as named or as loaded), "is the object-model library"
    // (as loaded), "is the output" or "is the error output" (where it is a
    // file), or, on Linux, "is a file of the registry" (anything in its
    // folder, or in its place) or "may be" one, where a folder of the
    // registry cannot be read; null when it is none of them, or is not known.
    const char* refusal(const ModuleLoader& module) const;
    // The same by the module's files as loaded and as named: before the run,
    // for a trace that could not be opened (on Windows a loaded module's file
    // is never opened for writing), by the file named alone.
    const char* refusal(const std::optional<FileId>& loaded, const std::optional<FileId>& named) const;
    // Removes the file again where this made it, for a trace refused or one
    // that cannot be written, and never another; it is written no more.
    // Nothing, or what is left where: the file made, where it cannot be
    // removed (a full disk, a file made read-only), or what held the name as
    // it was removed, where it could be neither removed nor put back
    // (another took the name meanwhile).
    std::optional<std::string> discard();
    // The lines over whatever the file held; false where the file could not
    // be opened (on Windows: opened again as the file checked) or did not
    // take them all.
    bool write(const std::vector<std::string>& lines);

private:
#if defined(_WIN32)
    // The file opened again to be written.
    void* forWriting() const;
    void* file_;
#else
    int file_ = -1;
#endif
    std::string name_;
    std::string error_;
#if !defined(_WIN32)
    std::filesystem::path registry_;
#endif
    bool made_ = false;
    std::optional<FileId> id_;
};
