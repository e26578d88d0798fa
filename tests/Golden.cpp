#include "tests/Golden.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string_view>
#include <utility>

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
    const auto afterId = line.find_first_not_of("0123456789");
    if (afterId != 0 && afterId != std::string::npos && line[afterId] == ' ') {
        const auto afterName = line.find_first_of(" :", afterId + 1);
        if (afterName != std::string::npos) return std::string("item ").append(line, 0, afterName);
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

struct Attribute {
    std::string path, value;
};

// One line of a dump: the item's "<id> <name>" and its other attributes in
// the dump's order. ddhost's {} for an item the module gives nothing for keeps
// its text as head.
struct DumpItem {
    std::string head;
    std::optional<std::pair<long long, std::string>> key;  // id and name
    std::vector<Attribute> attributes;
};

// The end of the JSON string that starts at `at`, its closing quote included.
std::size_t stringEnd(std::string_view json, std::size_t at) {
    for (++at; at < json.size(); ++at) {
        if (json[at] == '\\')
            ++at;
        else if (json[at] == '"')
            return at + 1;
    }
    return std::string_view::npos;
}

// JSON's literals and numbers, as ddhost writes them.
bool plainValue(std::string_view v) {
    if (v == "true" || v == "false" || v == "null") return true;
    std::size_t i = v.starts_with('-') ? 1 : 0;
    const auto digits = [&] {
        const std::size_t from = i;
        while (i < v.size() && v[i] >= '0' && v[i] <= '9') ++i;
        return i > from;
    };
    if (!digits() || (i < v.size() && v[i] == '.' && (++i, !digits()))) return false;
    if (i < v.size() && (v[i] == 'e' || v[i] == 'E')) {
        if (++i < v.size() && (v[i] == '+' || v[i] == '-')) ++i;
        if (!digits()) return false;
    }
    return i == v.size();
}

// Splits the JSON value at `at` into leaves under `path`: scalars, empty
// lists and objects, and lists of scalars, each as the dump printed it.
// False when the text is no JSON value (ddhost's compact form: no blanks).
bool flatten(std::string_view json, std::size_t& at, const std::string& path, std::vector<Attribute>& leaves) {
    const auto next = [&] { return at < json.size() ? json[at] : '\0'; };
    const auto take = [&](char c) {
        if (next() != c) return false;
        ++at;
        return true;
    };
    const std::size_t start = at;
    if (take('{')) {
        const std::size_t before = leaves.size();
        for (bool first = true; !take('}'); first = false) {
            if (!first && !take(',')) return false;
            const std::size_t keyEnd = next() == '"' ? stringEnd(json, at) : std::string_view::npos;
            if (keyEnd == std::string_view::npos) return false;
            const std::string key(json.substr(at + 1, keyEnd - at - 2));
            at = keyEnd;
            if (!take(':') || !flatten(json, at, path.empty() ? key : path + "." + key, leaves)) return false;
        }
        if (leaves.size() == before) leaves.push_back({path, "{}"});
        return true;
    }
    if (take('[')) {
        std::vector<Attribute> elements;
        bool scalars = true;
        for (std::size_t i = 0; !take(']'); ++i) {
            if (i > 0 && !take(',')) return false;
            scalars = scalars && next() != '{' && next() != '[';
            if (!flatten(json, at, path + "[" + std::to_string(i) + "]", elements)) return false;
        }
        if (scalars)
            leaves.push_back({path, std::string(json.substr(start, at - start))});
        else
            leaves.insert(leaves.end(), elements.begin(), elements.end());
        return true;
    }
    const std::size_t end = next() == '"' ? stringEnd(json, at) : std::min(json.find_first_of(",]}", at), json.size());
    if (end == std::string_view::npos || (next() != '"' && !plainValue(json.substr(at, end - at)))) return false;
    at = end;
    leaves.push_back({path, std::string(json.substr(start, at - start))});
    return true;
}

std::vector<DumpItem> dumpItems(const std::string& dump) {
    std::vector<DumpItem> items;
    for (const auto& line : splitLines(dump)) {
        DumpItem item{line, std::nullopt, {}};
        std::size_t at = 0;
        const bool parsed = flatten(line, at, "", item.attributes) && at == line.size();
        const auto& a = item.attributes;
        long long id = 0;
        if (parsed && a.size() >= 2 && a[0].path == "id" && a[1].path == "name" && a[1].value[0] == '"') {
            const std::string& digits = a[0].value;
            const auto number = std::from_chars(digits.data(), digits.data() + digits.size(), id);
            if (number.ec == std::errc() && number.ptr == digits.data() + digits.size()) {
                const std::string name = a[1].value.substr(1, a[1].value.size() - 2);
                item.head = digits + " " + name;
                item.key.emplace(id, name);
                item.attributes.erase(item.attributes.begin(), item.attributes.begin() + 2);
                // An item with nothing but its id and name is still there.
                if (item.attributes.empty()) item.attributes.push_back({"", "{}"});
            }
        }
        if (!item.key && line != "{}")
            throw std::runtime_error("line " + std::to_string(items.size() + 1) +
                                     " of the dump is no item's object: " + around(line, at));
        if (!item.key) item.attributes.clear();
        items.push_back(std::move(item));
    }
    return items;
}

std::string attributeLine(const std::string& head, const std::string& path, const std::string& value) {
    return std::string(head).append(path.empty() ? "" : " ").append(path).append(": ").append(value).append("\n");
}

std::string itemLines(const DumpItem& item) {
    if (!item.key) return item.head + "\n";
    std::string text;
    for (const auto& a : item.attributes) text += attributeLine(item.head, a.path, a.value);
    return text;
}

// A path and those above it, from the top: "a.b[2]" gives "a", "a.b", "a.b[2]".
std::vector<std::string> pathsDown(const std::string& path) {
    std::vector<std::string> paths;
    for (std::size_t i = path.find_first_of(".[", 1); i != std::string::npos; i = path.find_first_of(".[", i + 1))
        paths.push_back(path.substr(0, i));
    paths.push_back(path);
    return paths;
}

// The list a line belongs to: the outermost list of objects or lists on its
// path ("transactions" for transactions[0].reply[1].mask), or an empty list;
// "" for a line in none.
std::string listOf(const Attribute& a) {
    const auto open = a.path.find('[');
    return open != std::string::npos ? a.path.substr(0, open) : a.value == "[]" ? a.path : "";
}

// The lines of `now` whose path is new or whose value changed, and every line
// of a list of `now` that differs from the one in `was` in anything; for what
// `was` had and `now` has not, outside such a list, one (absent) line at the
// highest path gone, after the last line of `was` that is still there (first,
// if none is).
std::string itemDifference(const DumpItem& was, const DumpItem& now) {
    const auto listLines = [](const DumpItem& item) {
        std::map<std::string, std::string> lines;
        for (const auto& a : item.attributes) lines[listOf(a)] += attributeLine("", a.path, a.value);
        return lines;
    };
    const auto wasLists = listLines(was);
    std::set<std::string> whole;  // the lists of `now` that differ
    for (const auto& [list, lines] : listLines(now))
        if (!list.empty() && (!wasLists.count(list) || wasLists.at(list) != lines)) whole.insert(list);
    std::map<std::string, std::size_t> nowIndex;
    std::set<std::string> nowPaths = {""};  // every path of a leaf and above one
    for (std::size_t n = 0; n < now.attributes.size(); ++n) {
        nowIndex.emplace(now.attributes[n].path, n);
        for (auto& path : pathsDown(now.attributes[n].path)) nowPaths.insert(std::move(path));
    }
    std::map<std::string, std::string> wasValues;
    std::vector<std::vector<std::string>> absentAfter(now.attributes.size() + 1);  // [0]: before the first line
    std::set<std::string> absent;
    std::size_t anchor = 0;
    for (const auto& a : was.attributes) {
        wasValues.emplace(a.path, a.value);
        if (const auto there = nowIndex.find(a.path); there != nowIndex.end()) {
            anchor = there->second + 1;
            continue;
        }
        if (whole.count(listOf(a))) continue;
        for (const auto& path : pathsDown(a.path)) {
            if (nowPaths.count(path)) continue;
            if (absent.insert(path).second) absentAfter[anchor].push_back(path);
            break;
        }
    }
    std::string text;
    for (std::size_t n = 0; n <= now.attributes.size(); ++n) {
        if (n > 0) {
            const Attribute& a = now.attributes[n - 1];
            const auto before = wasValues.find(a.path);
            if (before == wasValues.end() || before->second != a.value || whole.count(listOf(a)))
                text += attributeLine(now.head, a.path, a.value);
        }
        for (const auto& path : absentAfter[n]) text += attributeLine(now.head, path, "(absent)");
    }
    return text;
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

std::string goldenDump(const std::string& dump) {
    std::string text;
    for (const auto& item : dumpItems(dump)) text += itemLines(item);
    return text;
}

std::string goldenDumpDifference(const std::string& plainDump, const std::string& dump) {
    std::map<std::pair<long long, std::string>, DumpItem> plain;
    for (auto& item : dumpItems(plainDump))
        if (item.key) plain.emplace(*item.key, std::move(item));
    const std::vector<DumpItem> now = dumpItems(dump);
    std::set<std::pair<long long, std::string>> there;
    for (const auto& item : now)
        if (item.key) there.insert(*item.key);
    std::string text;
    auto next = plain.begin();
    // Items of the plain dump that are gone, in their place by ID.
    const auto goneBefore = [&](const std::pair<long long, std::string>* key) {
        for (; next != plain.end() && (!key || next->first < *key); ++next)
            if (!there.count(next->first)) text += attributeLine(next->second.head, "", "(absent)");
    };
    for (const auto& item : now) {
        if (!item.key) {
            text += itemLines(item);
            continue;
        }
        goneBefore(&*item.key);
        const auto was = plain.find(*item.key);
        text += was == plain.end() ? itemLines(item) : itemDifference(was->second, item);
    }
    goneBefore(nullptr);
    // An empty file would look like a run that printed nothing.
    return text.empty() ? "(no attribute differs from dump.txt)\n" : text;
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
    if (const char* saved = std::getenv("DD_REGISTRY_ROOT")) savedRegistryRoot_ = saved;
    setRegistryRoot(registryRoot_);
}

GoldenRunner::~GoldenRunner() { setRegistryRoot(savedRegistryRoot_); }

GoldenRunner::Output GoldenRunner::run(std::vector<std::string> args, bool traced) {
    const std::string traceFile = (folder_.path / "trace.txt").string();
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
        text = goldenDumpDifference(*plainDump_, o.out);
    } else {
        text = c.command == "dump" ? goldenDump(o.out) : o.out;
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
