// The file a trace goes to, owned by one piece from the command line to the
// last line: opened once, before the run, without cutting it; checked, by
// the file itself, against the files the run must leave alone; then cut and
// written through that same handle, so that no name can point elsewhere in
// between.
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

    // What the open file is of those the run must not write over: "the
    // module itself", "the object-model library" (both as loaded), or, on
    // Linux, "a file of the registry" (anything in its folder); null when
    // it is none of them, or could not be opened.
    const char* refusal(const ModuleLoader& module) const;
    // Removes the file again where this made it, for a trace refused.
    void discard();
    // The lines over whatever the file held; false where the file could not
    // be opened or did not take them all.
    bool write(const std::vector<std::string>& lines);

private:
#if defined(_WIN32)
    void* file_;
#else
    int file_ = -1;
#endif
    std::string name_;
#if !defined(_WIN32)
    std::filesystem::path registry_;
#endif
    bool made_ = false;
    std::optional<FileId> id_;
};
