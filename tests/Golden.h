// Golden files: what ddhost prints for a list of command lines, pinned in
// tests/golden/ and compared byte for byte. The list is tests/golden/cases.txt;
// its head says how a case becomes a file.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tests/TemporaryFolder.h"

struct GoldenCase {
    enum class Trace { None, AfterBuild, All };
    std::string file;               // in the folder of the list
    std::vector<std::string> args;  // ddhost's, without --trace
    Trace trace = Trace::None;
    std::string command;           // the first word that is no option or option value
    bool dumpUnderValues = false;  // a dump with --set values: only the attributes that differ
};

std::vector<GoldenCase> readGoldenCases(const std::string& listPath);

// Runs the cases in-process through the host library, on one module.
class GoldenRunner {
public:
    explicit GoldenRunner(std::string modulePath);
    ~GoldenRunner();
    GoldenRunner(const GoldenRunner&) = delete;
    GoldenRunner& operator=(const GoldenRunner&) = delete;

    // Empty when the module loaded; else why it did not.
    const std::string& loadError() const { return loadError_; }
    // The text the case's file must hold; throws std::runtime_error where
    // ddhost's dump cannot be read.
    std::string produce(const GoldenCase& c);

private:
    struct Output {
        std::string out, err, trace;
        int status = 0;
    };
    Output run(std::vector<std::string> args, bool traced);
    std::string normalized(std::string text) const;

    std::string modulePath_;
    std::string loadError_;
    std::string reportedPath_;  // as the module gives it
    // A folder of the run's own, with the trace and a registry for register
    // and unregister: never one of a run beside it, which would take it
    // away. The trace lies outside the registry, which refuses it inside.
    TemporaryFolder folder_;
    std::string registryRoot_ = (folder_.path / "registry").string();
    std::optional<std::string> savedRegistryRoot_;
    std::optional<std::string> plainDump_;
};

// A dump as its file holds it: each item's attributes one a line,
// "<id> <name> <path>: <value>", the value as the dump printed it. Throws
// std::runtime_error naming a line that is no item's object (other than
// ddhost's {}, kept as it is).
std::string goldenDump(const std::string& dump);
// The lines of goldenDump(dump) that goldenDump(plainDump) lacks, a list that
// differs in anything whole, and "<id> <name> <path>: (absent)" where
// something of the plain dump is gone; one line saying so when nothing
// differs. Throws as goldenDump does.
std::string goldenDumpDifference(const std::string& plainDump, const std::string& dump);

// Empty when equal; else the file, the item and the first differing line.
std::string goldenDifference(const std::string& file, const std::string& expected, const std::string& actual);

std::optional<std::string> readFile(const std::string& path);
bool writeFile(const std::string& path, const std::string& bytes);
