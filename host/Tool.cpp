// The ddhost tool: loads the device module and shows it as a host would.
#include "host/Tool.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "host/Dump.h"
#include "host/Encoding.h"
#include "host/Json.h"
#include "host/MethodInterface.h"
#include "host/Session.h"
#include "host/TraceFile.h"
#include "platform/SystemRegistry.h"

namespace {

// MinGW's printf family is checked as its own kind of format.
#if defined(__MINGW_PRINTF_FORMAT)
#define DD_PRINTF_FORMAT __MINGW_PRINTF_FORMAT
#else
#define DD_PRINTF_FORMAT printf
#endif

// printf into one of the tool's streams, nothing in it acting on a terminal
// but its line ends. A text from outside (files, names, the environment, the
// command line) that may hold a line end of its own is escaped whole before,
// by `forTerminal`.
[[gnu::format(DD_PRINTF_FORMAT, 2, 3)]] void print(std::ostream& out, const char* format, ...) {
    std::va_list args, copy;
    va_start(args, format);
    va_copy(copy, args);
    const int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    if (n > 0) std::vsnprintf(text.data(), text.size() + 1, format, args);
    va_end(args);
    out << forTerminal(text, true);
}

const char* kUsage =
    "usage: ddhost [--module PATH] [--set NAME=VALUE]... [--trace FILE] COMMAND\n"
    "commands:\n"
    "  info                     the module's identity\n"
    "  dump                     every item's attributes, one JSON object per line\n"
    "  show ITEM                one item's attributes\n"
    "  tree ITEM [--lang L]     an item, a menu with everything under it (L: en de\n"
    "                           fr it es nl; a text with no part in L shows its\n"
    "                           English part)\n"
    "  run METHOD [--answer V]...\n"
    "                           run a method against the simulated device; the\n"
    "                           answers go to its questions in order\n"
    "  register | unregister    the module's registry entry\n"
    "--set is for dump, show, tree and run; --trace writes every call the module\n"
    "made on the host, also when the command fails (none for info, register and\n"
    "unregister: an empty file). A value may also follow '=': --lang=de.\n"
    "run prints:\n"
    "  shown: TEXT              a message or question the method showed\n"
    "  unanswered: VAR: ...     after a question no answer was left for: the value\n"
    "                           the host answered instead, VAR's current one\n"
    "  unused: --answer V: ...  an answer no question took\n"
    "  value:  VAR OLD -> NEW   a current value in the host that the method changed\n"
    "  device: VAR OLD -> NEW   a value the method changed in the simulated device\n"
    "  result: N                what the method returned\n";

const char* const kLanguages[] = {"en", "de", "fr", "it", "es", "nl"};

// The options a command takes besides --module and --trace, and the words
// that follow it.
enum Option : unsigned { kSet = 1, kLang = 2, kAnswer = 4 };
struct Command {
    const char* name;
    std::size_t words;
    unsigned options;
};
constexpr Command kCommands[] = {
    {"info", 0, 0},     {"dump", 0, kSet},    {"show", 1, kSet}, {"tree", 1, kSet | kLang}, {"run", 1, kSet | kAnswer},
    {"register", 0, 0}, {"unregister", 0, 0},
};

struct Options {
    std::string module = ModuleLoader::defaultPath();
    std::vector<std::pair<std::string, Assignment>> sets;  // as written, and as read
    std::vector<CDDCommonVariant> answers;
    std::string trace;
    std::string language = "en";
    std::vector<std::string> words;
    unsigned given = 0;
    bool help = false;
};

// The value of --module or --trace: a file, never the empty name.
std::string fileName(const char* option, const std::string& value) {
    if (value.empty()) throw std::invalid_argument(std::string(option) + " needs a file");
    return value;
}

// A value read by `read`; its fault (std::invalid_argument or
// std::out_of_range) is told with the option and the value as written.
template <class Read>
auto asWritten(const char* option, const std::string& value, Read read) {
    try {
        return read(value);
    } catch (const std::logic_error& fault) {
        throw std::invalid_argument(std::string(option) + " " + value + ": " + fault.what());
    }
}

// Every option that takes a value, as the next word or after '=': the
// commands that take it (0: every command), and how it reads its value into
// the options, throwing std::invalid_argument with what is wrong.
struct ValueOption {
    const char* name;
    unsigned option;
    void (*read)(const char* name, const std::string& value, Options& o);
};
constexpr ValueOption kValueOptions[] = {
    {"--module", 0, [](const char* name, const std::string& value, Options& o) { o.module = fileName(name, value); }},
    {"--set", kSet,
     [](const char* name, const std::string& value, Options& o) {
         o.sets.emplace_back(value, asWritten(name, value, readAssignment));
     }},
    {"--trace", 0, [](const char* name, const std::string& value, Options& o) { o.trace = fileName(name, value); }},
    {"--lang", kLang,
     [](const char*, const std::string& value, Options& o) {
         if (std::find(std::begin(kLanguages), std::end(kLanguages), value) == std::end(kLanguages))
             throw std::invalid_argument("unknown language '" + value +
                                         "'; the languages are en, de, fr, it, es and nl");
         o.language = value;
     }},
    {"--answer", kAnswer,
     [](const char* name, const std::string& value, Options& o) {
         o.answers.push_back(asWritten(name, value, parseValue));
     }},
};

std::string utf8(const CStrPP& text) { return cp1252ToUtf8(text.str()); }

// A current value on one line: it may be a text the command line gave.
std::string shownValue(const CDDCommonVariant& value) { return forTerminal(variantText(value)); }

const char* const kNoInformation = "the module gave no information object";

// The codes `info` asks the information object's names for.
constexpr int kStandardMenuCodes[] = {0, 1, 2, 4, 6, 8, 9, 14, 15, 10003, 10004, 10007};
constexpr int kSpecialItemCodes[] = {0, 1, 2};

// ---------------------------------------------------------------- info

int info(std::ostream& out, std::ostream& err, ModuleLoader& module) {
    std::unique_ptr<CInformation> i(module.getInformation());
    if (!i) {
        print(err, "ddhost: %s\n", kNoInformation);
        return 1;
    }
    // The paths are the file system's, which may hold any byte.
    auto line = [&](const char* name, const std::string& value) {
        print(out, "%-24s %s\n", name, forTerminal(value).c_str());
    };
    auto number = [&](const char* name, std::int32_t v) { line(name, std::to_string(v)); };
    number("Number01", i->GetNumber01());
    number("ManufacturerId", i->GetManufacturerId());
    number("ResourceId", i->GetResourceId());
    number("LogoBitmapId", i->GetLogoBitmapId());
    line("ManufacturerName", utf8(i->GetManufacturerName()));
    number("DeviceTypeId", i->GetDeviceTypeId());
    number("IconId", i->GetIconId());
    number("DeviceBitmapId", i->GetDeviceBitmapId());
    line("DeviceName", utf8(i->GetDeviceName()));
    line("Description", utf8(i->GetDescription()));
    number("Number11", i->GetNumber11());
    line("HelpFileName", utf8(i->GetHelpFileName()));
    for (const int code : kStandardMenuCodes)
        line(("StandardMenuName(" + std::to_string(code) + ")").c_str(), utf8(i->GetStandardMenuName(code)));
    line("PairNames", utf8(i->GetPairNames()));
    for (const int code : kSpecialItemCodes)
        line(("SpecialItemName(" + std::to_string(code) + ")").c_str(), utf8(i->GetSpecialItemName(code)));
    line("ModuleBasePath", utf8(i->GetModuleBasePath()));
    line("ModulePath", utf8(i->GetModulePath()));
    line("VersionLabel", utf8(i->GetVersionLabel()));
    line("FileVersion", utf8(i->GetFileVersion()));
    line("SecondVersion", utf8(i->GetSecondVersion()));
    line("TechnicalDescription", utf8(i->GetTechnicalDescription()));
    line("BuildDate", utf8(i->GetBuildDate()));
    return 0;
}

// ---------------------------------------------------------------- registry

// Registry text (Windows-1252) for the terminal.
std::string shownText(std::string_view cp1252) { return forTerminal(cp1252ToUtf8(cp1252)); }

// How the listing shows a registry type's data.
enum class Shown { Bytes, Text, Texts, Number, BigEndianNumber };
struct RegistryType {
    platform::DWORD number;
    const char* name;
    Shown shown;
    std::size_t size;  // of a number
};
// REG_LINK holds a UTF-16 path: shown as its bytes.
constexpr RegistryType kRegistryTypes[] = {
    {0, "REG_NONE", Shown::Bytes, 0},     {1, "REG_SZ", Shown::Text, 0},
    {2, "REG_EXPAND_SZ", Shown::Text, 0}, {3, "REG_BINARY", Shown::Bytes, 0},
    {4, "REG_DWORD", Shown::Number, 4},   {5, "REG_DWORD_BIG_ENDIAN", Shown::BigEndianNumber, 4},
    {6, "REG_LINK", Shown::Bytes, 0},     {7, "REG_MULTI_SZ", Shown::Texts, 0},
    {11, "REG_QWORD", Shown::Number, 8},
};

// A value's type and data as the listing shows them; or, where the data
// cannot be of its type, what is wrong in `fault`. The type is only a word
// beside the data, which any writer may get wrong: the reader judges.
std::string shownData(const platform::RegistryValue& v, std::string& fault) {
    const auto* type = std::find_if(std::begin(kRegistryTypes), std::end(kRegistryTypes),
                                    [&](const RegistryType& t) { return t.number == v.type; });
    const bool known = type != std::end(kRegistryTypes);
    char number[24], column[32];
    std::snprintf(number, sizeof number, "type 0x%X", static_cast<unsigned>(v.type));
    const std::string name = known ? type->name : number;
    std::snprintf(column, sizeof column, "%-9s ", name.c_str());
    const auto& d = v.data;
    char bytes[32];
    std::snprintf(bytes, sizeof bytes, "(%zu bytes)", d.size());
    const auto quoted = [](auto from, auto to) { return '"' + shownText(std::string(from, to)) + '"'; };
    switch (known ? type->shown : Shown::Bytes) {
    case Shown::Number:
    case Shown::BigEndianNumber: {
        if (d.size() != type->size) {
            fault = name + " of " + std::to_string(d.size()) + " bytes, not " + std::to_string(type->size);
            return {};
        }
        std::uint64_t n = 0;
        for (std::size_t i = 0; i < d.size(); ++i)
            n |= std::uint64_t{d[i]} << 8 * (type->shown == Shown::Number ? i : d.size() - 1 - i);
        return column + std::to_string(n);
    }
    case Shown::Text: {
        // One text and its NUL; no data at all is the empty text.
        const auto nul = std::find(d.begin(), d.end(), 0);
        if (!d.empty() && (nul == d.end() || nul + 1 != d.end())) {
            fault = name + " that is not one text ended by a NUL";
            return {};
        }
        return column + quoted(d.begin(), nul) + " " + bytes;
    }
    case Shown::Texts: {
        // Each text ends with a NUL, and an empty one ends the list.
        std::string texts;
        auto at = d.begin();
        while (at != d.end() && *at) {
            const auto nul = std::find(at, d.end(), 0);
            if (nul == d.end()) break;
            texts += quoted(at, nul) + " ";
            at = nul + 1;
        }
        if (!d.empty() && (at == d.end() || *at || at + 1 != d.end())) {
            fault = name + " that is not texts each ended by a NUL, then a NUL";
            return {};
        }
        return column + texts + bytes;
    }
    case Shown::Bytes: break;
    }
    std::string hex;
    for (const platform::BYTE b : d) {
        appendHex(hex, b);
        hex += ' ';
    }
    return column + hex + bytes;
}

int registry(std::ostream& out, std::ostream& err, ModuleLoader& module, bool add) {
    const std::int32_t result = add ? module.dllRegisterServer() : module.dllUnregisterServer();
    // Failures as installers and the system's tools write them: 0x80070005.
    // Linux's "not supported" comes only from a system without /proc, where
    // the registry needs it: said, as the code alone would not tell it.
    const char* reason = "";
#if !defined(_WIN32)
    if (static_cast<unsigned>(result) == 0x80070032u) reason = " (not supported: this needs /proc here)";
#endif
    print(out, result ? "%s: 0x%08X%s\n" : "%s: %X%s\n", add ? "DllRegisterServer" : "DllUnregisterServer",
          static_cast<unsigned>(result), reason);
    // The key is named after the device, which only the information object
    // tells.
    std::unique_ptr<CInformation> i(module.getInformation());
    if (!i) {
        out.flush();
        print(err, "ddhost: cannot name the module's registry key: %s\n", kNoInformation);
        return 1;
    }
    const std::string key = std::string(kDeviceModulesKey) + "\\" + i->GetDeviceName().str();
    std::optional<std::vector<platform::RegistryValue>> values;
    try {
        // The system's own registry (Windows) has no root folder to show.
        if (const auto root = platform::registryRoot(); !root.empty())
            print(out, "registry root: %s\n", forTerminal(root.string()).c_str());
        values = platform::readKey(key);
    } catch (const std::exception& unreadable) {
        out.flush();
        print(err, "ddhost: %s\n", forTerminal(unreadable.what()).c_str());
        return 1;
    }
    if (!values) {
        print(out, "HKEY_LOCAL_MACHINE\\%s: (no key)\n", cp1252ToUtf8(key).c_str());
        return result == 0 ? 0 : 1;
    }
    // A damaged key is not listed, as a damaged folder is not read: every
    // damaged value is told instead.
    std::ostringstream listing;
    std::vector<std::string> damaged;
    for (const auto& v : *values) {
        const std::string name = shownText(v.name);
        std::string fault;
        const std::string data = shownData(v, fault);
        if (v.name.find('\0') != std::string::npos)  // the calls take names as C strings
            damaged.push_back("name \"" + name + '"');
        else if (!fault.empty())
            damaged.push_back('"' + name + "\" (" + fault + ')');
        else
            print(listing, "  %-36s %s\n", name.c_str(), data.c_str());
    }
    if (!damaged.empty()) {
        out.flush();
        for (const auto& d : damaged)
            print(err, "ddhost: damaged registry value %s in HKEY_LOCAL_MACHINE\\%s\n", d.c_str(),
                  cp1252ToUtf8(key).c_str());
        return 1;
    }
    print(out, "HKEY_LOCAL_MACHINE\\%s\n%s", cp1252ToUtf8(key).c_str(), listing.str().c_str());
    return result == 0 ? 0 : 1;
}

// ---------------------------------------------------------------- tree

std::string valueText(StandInHost& host, const CDDVariable& variable, const std::string& language) {
    const CDDCommonVariant value = host.value(variable.getcDefinition()->getID());
    if (const CDDType* type = variable.type()) {
        for (const auto& e : type->enumerators().items())
            if (value == CDDCommonVariant(static_cast<int>(e.getValue())) && e.getDescription())
                return languagePart(cp1252ToUtf8(e.getDescription()->str()), language);
    }
    std::string text = shownValue(value);
    if (variable.getConstantUnit() && !variable.getConstantUnit()->IsEmpty())
        text.append(" ").append(languagePart(utf8(*variable.getConstantUnit()), language));
    return text;
}

// An entry's own description where its menu gives one, else the item's label.
std::string shownLabel(const std::string& description, const std::optional<CStrPP>& label,
                       const std::string& language) {
    if (!description.empty()) return description;
    return label ? languagePart(utf8(*label), language) : std::string();
}

// A menu and everything under it, each item as a host shows it: one the
// module reports invalid is marked so, as a host greys it out or hides it.
struct Tree {
    std::ostream& out;
    StandInHost& host;
    CAttributeCalculation& module;
    const std::string& language;
    std::set<std::int32_t> path;  // the menus above

    void show(std::int32_t id, const std::string& label, int depth) {
        const auto object = host.calculated(id);
        if (!object) return;
        const std::string indent(static_cast<std::size_t>(depth) * 2, ' ');
        const std::string name = utf8(object->getcDefinition()->getName());
        const bool valid = validity(module, *object).value_or(true);
        const char* const invalid = valid ? "" : " (invalid)";
        if (const auto* menu = dynamic_cast<const CDDMenu*>(object.get())) {
            print(out, "%s%s [%s]%s\n", indent.c_str(), shownLabel(label, menu->getLabel(), language).c_str(),
                  name.c_str(), invalid);
            if (!path.insert(id).second || !menu->menuItems()) return;  // a menu that contains itself stops here
            for (const auto& entry : menu->menuItems()->items()) {
                if (!entry.getDefinition()) continue;
                const std::string description =
                    entry.getDescription() ? languagePart(utf8(*entry.getDescription()), language) : std::string();
                show(entry.getDefinition()->getID(), description, depth + 1);
            }
            path.erase(id);
        } else if (const auto* variable = dynamic_cast<const CDDVariable*>(object.get())) {
            print(out, "%s%s [%s] = %s%s\n", indent.c_str(), shownLabel(label, variable->getLabel(), language).c_str(),
                  name.c_str(), valueText(host, *variable, language).c_str(), invalid);
        } else if (const auto* method = dynamic_cast<const CDDMethod*>(object.get())) {
            print(out, "%s%s [%s] (method, %s)\n", indent.c_str(),
                  shownLabel(label, method->getLabel(), language).c_str(), name.c_str(),
                  valid ? "runnable" : "invalid");
        } else {
            print(out, "%s[%s]\n", indent.c_str(), name.c_str());
        }
    }
};

// ---------------------------------------------------------------- run

// Whether a method changed a value: by value, as the variant compares (the
// int 100 is the double 100), and a NaN that stays one is no change.
bool changed(const CDDCommonVariant& before, const CDDCommonVariant& now) {
    const auto nan = [](const CDDCommonVariant& v) { return v.isNumeric() && std::isnan(v.asDouble()); };
    return before != now && !(nan(before) && nan(now));
}

int run(std::ostream& out, std::ostream& err, Session& session, std::int32_t id, const std::string& name,
        const std::vector<CDDCommonVariant>& answers) {
    StandInHost& host = session.host();
    const CDDObject* stored = host.object(id);
    if (!stored || stored->getcDefinition()->getKind() != ddkMethod) {
        print(err, "ddhost: no method named %s\n", forTerminal(name).c_str());
        return 2;
    }
    const std::unique_ptr<CDDObject> method(stored->clone());
    // As a host offers no method the module reports invalid.
    if (!validity(session.calculator(), *method).value_or(true)) {
        print(err, "ddhost: method %s is invalid under the current values; not run\n", forTerminal(name).c_str());
        return 1;
    }
    for (const auto& a : answers) host.scriptAnswer(a);
    std::map<std::int32_t, CDDCommonVariant> before, deviceBefore;
    for (const std::int32_t item : host.ids()) {
        before[item] = host.value(item);
        deviceBefore[item] = host.deviceValue(item);
    }
    const std::size_t shown = host.messages().size(), asked = host.unanswered().size();
    const std::int32_t result = session.calculator().ExecuteMethod(ContextWord{0}, method.get(), 0, false);
    // A question that went unanswered is told right after it, so that the
    // value the method went on with is not taken for one it was given.
    auto unanswered = host.unanswered().begin() + static_cast<std::ptrdiff_t>(asked);
    // The messages are the module's own, line ends and all.
    for (std::size_t i = shown; i < host.messages().size(); ++i) {
        print(out, "shown: %s\n", cp1252ToUtf8(host.messages()[i]).c_str());
        for (; unanswered != host.unanswered().end() && unanswered->message == i; ++unanswered)
            print(out, "unanswered: %s: the host answered its current value %s\n",
                  cp1252ToUtf8(unanswered->variable).c_str(), shownValue(unanswered->answered).c_str());
    }
    // Answers are taken in order, so those left over are the last given; an
    // answer meant for a question the method never asked would otherwise
    // vanish without a word.
    for (std::size_t i = answers.size() - std::min(host.answersLeft(), answers.size()); i < answers.size(); ++i)
        print(out, "unused: --answer %s: no question was left for it\n", shownValue(answers[i]).c_str());
    for (const std::int32_t item : host.ids()) {
        const std::string itemName = host.nameOf(host.object(item)->getcDefinition());
        if (const CDDCommonVariant now = host.value(item); changed(before[item], now))
            print(out, "value:  %s %s -> %s\n", itemName.c_str(), shownValue(before[item]).c_str(),
                  shownValue(now).c_str());
        if (const CDDCommonVariant now = host.deviceValue(item); changed(deviceBefore[item], now))
            print(out, "device: %s %s -> %s\n", itemName.c_str(), shownValue(deviceBefore[item]).c_str(),
                  shownValue(now).c_str());
    }
    print(out, "result: %d\n", result);
    return 0;
}

// Why no item has a name that `info` lists: the host's own menus and items
// are named there too. Empty for any other name.
std::string hostsOwnName(ModuleLoader& module, const std::string& name) {
    const std::unique_ptr<CInformation> i(name.empty() ? nullptr : module.getInformation());
    if (!i) return {};
    for (const int code : kStandardMenuCodes)
        if (utf8(i->GetStandardMenuName(code)) == name)
            return "; it is StandardMenuName(" + std::to_string(code) + "), a menu of the host's own";
    for (const int code : kSpecialItemCodes)
        if (utf8(i->GetSpecialItemName(code)) == name)
            return "; it is SpecialItemName(" + std::to_string(code) + "), an item of the host's own";
    return {};
}

// The command line, or what is wrong with it.
std::string parse(const std::vector<std::string>& args, Options& o) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const auto equals = a.find('=');
        const auto* option = std::find_if(std::begin(kValueOptions), std::end(kValueOptions),
                                          [&](const ValueOption& v) { return a.compare(0, equals, v.name) == 0; });
        if (option != std::end(kValueOptions)) {
            std::string value;
            if (equals != std::string::npos) {
                value = a.substr(equals + 1);
            } else if (i + 1 < args.size()) {
                value = args[++i];
            } else {
                return a + " needs a value";
            }
            o.given |= option->option;
            try {
                option->read(option->name, value, o);
            } catch (const std::invalid_argument& fault) {
                return fault.what();
            }
        } else if (a == "-h" || a == "--help") {
            o.help = true;
        } else if (a.size() > 1 && a[0] == '-') {
            return "unknown option " + a;
        } else {
            o.words.push_back(a);
        }
    }
    if (o.help) return {};
    if (o.words.empty()) return "no command";
    const auto* found = std::find_if(std::begin(kCommands), std::end(kCommands),
                                     [&](const Command& c) { return o.words[0] == c.name; });
    if (found == std::end(kCommands)) return "unknown command " + o.words[0];
    const Command& c = *found;
    if (o.words.size() != c.words + 1)
        return std::string(c.name) + (c.words ? " takes one name" : " takes no further words");
    // Names are looked up as Windows-1252, which a malformed one would reach
    // only as another name.
    if (c.words && !isUtf8(o.words[1])) return "the name " + o.words[1] + " is not UTF-8";
    for (const ValueOption& option : kValueOptions)
        if ((o.given & option.option) && !(c.options & option.option))
            return std::string(option.name) + " means nothing to " + c.name;
    return {};
}

// A command on the session's host; the exit status.
int onSession(const Options& o, Session& session, std::ostream& out, std::ostream& err) {
    if (!session.ok()) {
        print(err, "ddhost: %s\n", forTerminal(session.error()).c_str());
        return 1;
    }
    StandInHost& host = session.host();
    // The trace starts with the catalogue, which the session has built.
    for (const auto& [written, read] : o.sets)
        if (!session.put(utf8ToCp1252(read.name), read.value)) {
            print(err, "ddhost: --set %s: no item named %s\n", forTerminal(written).c_str(),
                  forTerminal(read.name).c_str());
            return 2;
        }
    const std::string& name = o.words[0];
    if (name == "dump") {
        for (const std::int32_t id : host.ids()) print(out, "%s\n", dumpItem(host, session.calculator(), id).c_str());
        return 0;
    }
    const std::int32_t id = host.idOf(utf8ToCp1252(o.words[1]));
    if (!id) {
        print(err, "ddhost: no item named %s%s\n", forTerminal(o.words[1]).c_str(),
              hostsOwnName(session.module(), o.words[1]).c_str());
        return 2;
    }
    if (name == "show") {
        print(out, "%s\n", prettyJson(dumpItem(host, session.calculator(), id)).c_str());
    } else if (name == "tree") {
        Tree{out, host, session.calculator(), o.language, {}}.show(id, "", 0);
    } else {
        return run(out, err, session, id, o.words[1], o.answers);
    }
    return 0;
}

// A trace refused: its file is one the run must leave alone.
struct Refused {
    std::string why;
};

// The trace, if any, must be none of the files the run needs or writes:
// the module is loaded by now, so its file is the one it runs from.
void checkTrace(const Options& o, const TraceFile* trace, const ModuleLoader& module) {
    if (const char* const what = trace ? trace->refusal(module) : nullptr)
        throw Refused{"--trace " + o.trace + " " + what};
}

// The command itself; the exit status. `lines` gets the calls the module
// made on the host, as far as the command came.
int command(const Options& o, const TraceFile* trace, std::ostream& out, std::ostream& err,
            std::vector<std::string>& lines) {
    const std::string& name = o.words[0];
    // Asked again once the command has run, which may have made what the
    // trace now is: a registry's folder, say.
    if (name == "info" || name == "register" || name == "unregister") {
        ModuleLoader module(o.module);
        checkTrace(o, trace, module);
        int status = 1;
        if (!module.error().empty())
            print(err, "ddhost: %s\n", forTerminal(module.error()).c_str());
        else
            status = name == "info" ? info(out, err, module) : registry(out, err, module, name == "register");
        checkTrace(o, trace, module);
        return status;
    }
    Session session(o.module, trace ? Session::Trace::On : Session::Trace::Off);
    checkTrace(o, trace, session.module());
    const int status = onSession(o, session, out, err);
    lines = session.host().log().lines();
    checkTrace(o, trace, session.module());
    return status;
}

// A usage error: what is wrong, then the usage.
int usageError(std::ostream& err, const std::string& wrong) {
    // What is wrong may quote any word typed.
    print(err, "ddhost: %s\n%s", forTerminal(wrong).c_str(), kUsage);
    return 2;
}

// A trace refused, or one that cannot be opened: the fault in one line, and
// where the file made for it is left, where it could not be removed.
int traceFault(std::ostream& err, const std::string& fault, int status, const std::string& name, TraceFile& trace) {
    print(err, "ddhost: %s\n", forTerminal(fault).c_str());
    if (const auto left = trace.discard())
        print(err, "ddhost: --trace %s: %s\n", forTerminal(name).c_str(), forTerminal(*left).c_str());
    return status;
}

}  // namespace

int runTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Options o;
    if (const std::string wrong = parse(args, o); !wrong.empty()) return usageError(err, wrong);
    int status = 0;
    if (o.help) {
        out << kUsage;
    } else {
        // Opened before the run, and written whether the command succeeded
        // or not, so that no earlier run's trace is taken for this one's.
        std::optional<TraceFile> trace;
        if (!o.trace.empty()) trace.emplace(o.trace);
        // As a shell's redirection that fails: the command does not run. One
        // the run needs is refused as such all the same.
        if (trace && !trace->opened()) {
            if (const char* const what = trace->refusal(std::nullopt, ModuleLoader::fileNamed(o.module)))
                return traceFault(err, "--trace " + o.trace + " " + what, 2, o.trace, *trace);
            return traceFault(err, "cannot open the trace " + o.trace + " (" + trace->error() + ")", 1, o.trace,
                              *trace);
        }
        std::vector<std::string> lines;
        std::optional<Refused> refused;
        try {
            status = command(o, trace ? &*trace : nullptr, out, err, lines);
        } catch (const Refused& fault) {
            refused = fault;
        }
        // Nothing is written to a trace refused, before the run or after it;
        // what the command did stays done.
        if (refused) {
            status = traceFault(err, refused->why, 2, o.trace, *trace);
        } else if (trace && !trace->write(lines)) {
            print(err, "ddhost: cannot write the trace to %s\n", forTerminal(o.trace).c_str());
            if (status == 0) status = 1;
        }
    }
    if (!out.flush()) {
        err << "ddhost: cannot write the output\n";
        status = 1;
    }
    return status;
}
