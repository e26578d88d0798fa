#include "tests/Golden.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "host/Encoding.h"
#include "host/ModuleLoader.h"
#include "host/Tool.h"

namespace fs = std::filesystem;

namespace {

const char* const kCallsHeading = "--- calls on the host";

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    while (from < text.size()) {
        const std::size_t end = text.find('\n', from);
        if (end == std::string::npos) {
            lines.push_back(text.substr(from));
            break;
        }
        lines.push_back(text.substr(from, end - from));
        from = end + 1;
    }
    return lines;
}

void replaceAll(std::string& text, const std::string& what, const std::string& with) {
    if (what.empty()) return;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
}

void setRegistryRoot(const std::optional<std::string>& root) {
#ifdef _WIN32
    _putenv_s("DD_REGISTRY_ROOT", root ? root->c_str() : "");
#else
    if (root)
        setenv("DD_REGISTRY_ROOT", root->c_str(), 1);
    else
        unsetenv("DD_REGISTRY_ROOT");
#endif
}

// What a reader needs to find the line: a dump line's item, a tree line's
// item, a call or a run line as it is.
std::string itemOf(const std::string& line) {
    if (line.rfind("{\"id\":", 0) == 0) {
        const auto name = line.find("\"name\":\"");
        const auto end = name == std::string::npos ? name : line.find('"', name + 8);
        std::string item = std::string("item ").append(line, 6, line.find(',') - 6);
        if (end != std::string::npos) item.append(" ").append(line, name + 8, end - name - 8);
        return item;
    }
    const auto open = line.rfind(" ["), close = line.find(']', open == std::string::npos ? 0 : open);
    if (open != std::string::npos && close != std::string::npos)
        return std::string("item ").append(line, open + 2, close - open - 2);
    return line.substr(0, 120);
}

// The part of a long line around `column`, cut between characters: the lines
// are UTF-8, and a message with half a character is no longer valid text.
std::string around(const std::string& line, std::size_t column) {
    if (line.size() <= 200) return line;
    const auto continuation = [&](std::size_t at) { return at < line.size() && (line[at] & 0xC0) == 0x80; };
    std::size_t from = column > 80 ? column - 80 : 0, to = std::min(from + 200, line.size());
    while (continuation(from)) --from;
    while (continuation(to)) ++to;
    return std::string(from ? "..." : "").append(line, from, to - from).append(to < line.size() ? "..." : "");
}

}  // namespace

std::optional<std::string> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    return static_cast<bool>(out.flush());
}

std::vector<GoldenCase> readGoldenCases(const std::string& listPath) {
    std::vector<GoldenCase> cases;
    std::istringstream list(readFile(listPath).value_or(""));
    std::string line, pending;
    while (std::getline(list, line)) {
        if (!line.empty() && line.back() == '\\') {
            pending += line.substr(0, line.size() - 1) + " ";
            continue;
        }
        line = pending + line;
        pending.clear();
        std::istringstream words(line);
        GoldenCase c;
        if (!(words >> c.file) || c.file[0] == '#') continue;
        bool sets = false, valueNext = false;
        for (std::string word; words >> word;) {
            if (word == "--trace" || word == "--trace-all") {
                c.trace = word == "--trace" ? GoldenCase::Trace::AfterBuild : GoldenCase::Trace::All;
                continue;
            }
            c.args.push_back(word);
            if (valueNext) {
                valueNext = false;
            } else if (word == "--set" || word == "--module" || word == "--lang" || word == "--answer") {
                valueNext = true;
                sets = sets || word == "--set";
            } else if (c.command.empty()) {
                c.command = word;
            }
        }
        c.dumpUnderValues = c.command == "dump" && sets;
        cases.push_back(std::move(c));
    }
    return cases;
}

GoldenRunner::GoldenRunner(std::string modulePath) : modulePath_(std::move(modulePath)) {
    {
        ModuleLoader module(modulePath_);
        loadError_ = module.error();
        std::unique_ptr<CInformation> info(loadError_.empty() ? module.getInformation() : nullptr);
        if (info) reportedPath_ = cp1252ToUtf8(info->GetModulePath().str());
    }
    // A registry of the run's own, for register and unregister.
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    registryRoot_ = (fs::temp_directory_path() / std::string("ddgolden-").append(std::to_string(stamp))).string();
    fs::create_directories(registryRoot_);
    if (const char* saved = std::getenv("DD_REGISTRY_ROOT")) savedRegistryRoot_ = saved;
    setRegistryRoot(registryRoot_);
}

GoldenRunner::~GoldenRunner() {
    setRegistryRoot(savedRegistryRoot_);
    std::error_code ignored;
    fs::remove_all(registryRoot_, ignored);
}

GoldenRunner::Output GoldenRunner::run(std::vector<std::string> args, bool traced) {
    const std::string traceFile = (fs::path(registryRoot_) / "trace.txt").string();
    if (traced) args.insert(args.begin(), {"--trace", traceFile});
    args.insert(args.begin(), {"--module", modulePath_});
    std::ostringstream out, err;
    Output o;
    o.status = runTool(args, out, err);
    o.out = out.str();
    o.err = err.str();
    if (traced) {
        o.trace = readFile(traceFile).value_or("");
        fs::remove(traceFile);
    }
    return o;
}

std::string GoldenRunner::produce(const GoldenCase& c) {
    const Output o = run(c.args, c.trace != GoldenCase::Trace::None);
    std::string text;
    if (c.dumpUnderValues) {
        if (!plainDump_) plainDump_ = run({"dump"}, false).out;
        const auto plain = splitLines(*plainDump_), now = splitLines(o.out);
        for (std::size_t i = 0; i < now.size(); ++i)
            if (i >= plain.size() || now[i] != plain[i]) text += now[i] + "\n";
    } else {
        text = o.out;
    }
    if (o.status != 0) text.append("--- exit status ").append(std::to_string(o.status)).append("\n");
    if (!o.err.empty()) text.append("--- errors\n").append(o.err);
    if (c.trace != GoldenCase::Trace::None) {
        auto lines = splitLines(o.trace);
        auto from = lines.begin();
        if (c.trace == GoldenCase::Trace::AfterBuild)
            for (auto i = lines.begin(); i != lines.end(); ++i)
                if (i->rfind("PutVariableSet ", 0) == 0) from = i + 1;
        text += std::string(kCallsHeading) + "\n";
        for (auto i = from; i != lines.end(); ++i) text += *i + "\n";
    }
    return normalized(std::move(text));
}

std::string GoldenRunner::normalized(std::string text) const {
    if (!reportedPath_.empty()) {
        // The registry's copy of the path, with its length and terminating zero.
        const std::string registered = std::string(1, '"')
                                           .append(reportedPath_)
                                           .append("\" (")
                                           .append(std::to_string(reportedPath_.size() + 1))
                                           .append(" bytes)");
        replaceAll(text, registered, "\"<module>\" (length + 1 bytes)");
        replaceAll(text, reportedPath_, "<module>");
        const auto dot = reportedPath_.rfind('.');
        if (dot != std::string::npos) replaceAll(text, reportedPath_.substr(0, dot), "<module without extension>");
    }
    replaceAll(text, registryRoot_, "<registry>");
    return text;
}

std::string goldenDifference(const std::string& file, const std::string& expected, const std::string& actual) {
    if (expected == actual) return {};
    const auto want = splitLines(expected), got = splitLines(actual);
    std::size_t i = 0;
    while (i < want.size() && i < got.size() && want[i] == got[i]) ++i;
    bool inCalls = false;
    for (std::size_t k = 0; k < i && k < want.size(); ++k) inCalls = inCalls || want[k] == kCallsHeading;
    const std::string& w = i < want.size() ? want[i] : std::string();
    const std::string& g = i < got.size() ? got[i] : std::string();
    std::ostringstream o;
    if (i == want.size() && i == got.size()) {
        o << file << ": differs only in the line break at its end";
        return o.str();
    }
    std::size_t column = 0;
    while (column < w.size() && column < g.size() && w[column] == g[column]) ++column;
    o << file << ": differs at line " << i + 1 << (inCalls ? " (calls on the host)" : "") << ", "
      << itemOf(i < want.size() ? w : g) << ", column " << column + 1 << "\n";
    o << "  expected: " << (i < want.size() ? around(w, column) : "(end of file)") << "\n";
    o << "  actual:   " << (i < got.size() ? around(g, column) : "(end of output)") << "\n";
    o << "  (" << want.size() << " lines expected, " << got.size() << " produced)";
    return o.str();
}
