// The ddhost tool: loads the device module and shows it as a host would.
#include "host/Tool.h"

#include <cstdarg>
#include <cstdio>
#include <exception>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "host/Dump.h"
#include "host/Encoding.h"
#include "host/Json.h"
#include "host/MethodInterface.h"
#include "host/Session.h"
#include "platform/SystemRegistry.h"

namespace {

// MinGW's printf family is checked as its own kind of format.
#if defined(__MINGW_PRINTF_FORMAT)
#define DD_PRINTF_FORMAT __MINGW_PRINTF_FORMAT
#else
#define DD_PRINTF_FORMAT printf
#endif

// printf into one of the tool's streams.
[[gnu::format(DD_PRINTF_FORMAT, 2, 3)]] void print(std::ostream& out, const char* format, ...) {
    std::va_list args, copy;
    va_start(args, format);
    va_copy(copy, args);
    const int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    if (n > 0) std::vsnprintf(text.data(), text.size() + 1, format, args);
    va_end(args);
    out << text;
}

const char* kUsage =
    "usage: ddhost [--module PATH] [--set NAME=VALUE]... [--trace FILE] COMMAND\n"
    "commands:\n"
    "  info                     the module's identity\n"
    "  dump                     every item's attributes, one JSON object per line\n"
    "  show ITEM                one item's attributes\n"
    "  tree MENU [--lang L]     a menu and everything under it (L: en de fr it es)\n"
    "  run METHOD [--answer V]  run a method against the simulated device\n"
    "  register | unregister    the module's registry entry\n";

struct Options {
    std::string module = ModuleLoader::defaultPath();
    std::vector<std::string> sets;
    std::vector<std::string> answers;
    std::string trace;
    std::string language = "en";
    std::vector<std::string> words;
};

std::string utf8(const CStrPP& text) { return cp1252ToUtf8(text.str()); }

// False when the file could not take the whole trace.
bool writeTrace(StandInHost& host, const std::string& file) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    for (const auto& line : host.log().lines()) out << line << '\n';
    return static_cast<bool>(out.flush());
}

// ---------------------------------------------------------------- info

int info(std::ostream& out, ModuleLoader& module) {
    std::unique_ptr<CInformation> i(module.getInformation());
    if (!i) return 1;
    auto line = [&](const char* name, const std::string& value) { print(out, "%-24s %s\n", name, value.c_str()); };
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
    for (const int code : {0, 1, 2, 4, 6, 8, 9, 14, 15, 10003, 10004, 10007})
        line(("StandardMenuName(" + std::to_string(code) + ")").c_str(), utf8(i->GetStandardMenuName(code)));
    line("PairNames", utf8(i->GetPairNames()));
    for (const int code : {0, 1, 2})
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

int registry(std::ostream& out, std::ostream& err, ModuleLoader& module, bool add) {
    const std::int32_t result = add ? module.dllRegisterServer() : module.dllUnregisterServer();
    print(out, "%s: %d\n", add ? "DllRegisterServer" : "DllUnregisterServer", result);
    std::unique_ptr<CInformation> i(module.getInformation());
    const std::string key = std::string(kDeviceModulesKey) + "\\" + (i ? i->GetDeviceName().str() : std::string());
    std::optional<std::vector<platform::RegistryValue>> values;
    try {
        // The system's own registry (Windows) has no root folder to show.
        if (const auto root = platform::registryRoot(); !root.empty())
            print(out, "registry root: %s\n", root.string().c_str());
        values = platform::readKey(key);
    } catch (const std::exception& unreadable) {
        out.flush();
        print(err, "ddhost: %s\n", unreadable.what());
        return 1;
    }
    if (!values) {
        print(out, "HKEY_LOCAL_MACHINE\\%s: (no key)\n", cp1252ToUtf8(key).c_str());
        return result == 0 ? 0 : 1;
    }
    print(out, "HKEY_LOCAL_MACHINE\\%s\n", cp1252ToUtf8(key).c_str());
    for (const auto& v : *values) {
        if (v.type == platform::REG_DWORD && v.data.size() == 4) {
            const unsigned n = v.data[0] | v.data[1] << 8 | v.data[2] << 16 | unsigned(v.data[3]) << 24;
            print(out, "  %-36s REG_DWORD %u\n", v.name.c_str(), n);
        } else {
            std::string text(v.data.begin(), v.data.end());
            if (!text.empty() && text.back() == '\0') text.pop_back();
            print(out, "  %-36s REG_SZ    \"%s\" (%zu bytes)\n", v.name.c_str(), cp1252ToUtf8(text).c_str(),
                  v.data.size());
        }
    }
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
    std::string text = variantText(value);
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

void tree(std::ostream& out, StandInHost& host, std::int32_t id, const std::string& label, const std::string& language,
          int depth, std::set<std::int32_t>& path) {
    const auto object = host.calculated(id);
    if (!object) return;
    const std::string indent(static_cast<std::size_t>(depth) * 2, ' ');
    const std::string name = utf8(object->getcDefinition()->getName());
    if (const auto* menu = dynamic_cast<const CDDMenu*>(object.get())) {
        print(out, "%s%s [%s]\n", indent.c_str(), shownLabel(label, menu->getLabel(), language).c_str(), name.c_str());
        if (!path.insert(id).second || !menu->menuItems()) return;  // a menu that contains itself stops here
        for (const auto& entry : menu->menuItems()->items()) {
            if (!entry.getDefinition()) continue;
            const std::string description =
                entry.getDescription() ? languagePart(utf8(*entry.getDescription()), language) : std::string();
            tree(out, host, entry.getDefinition()->getID(), description, language, depth + 1, path);
        }
        path.erase(id);
    } else if (const auto* variable = dynamic_cast<const CDDVariable*>(object.get())) {
        print(out, "%s%s [%s] = %s\n", indent.c_str(), shownLabel(label, variable->getLabel(), language).c_str(),
              name.c_str(), valueText(host, *variable, language).c_str());
    } else if (const auto* method = dynamic_cast<const CDDMethod*>(object.get())) {
        print(out, "%s%s [%s] (method, runnable)\n", indent.c_str(),
              shownLabel(label, method->getLabel(), language).c_str(), name.c_str());
    } else {
        print(out, "%s[%s]\n", indent.c_str(), name.c_str());
    }
}

// ---------------------------------------------------------------- run

int run(std::ostream& out, std::ostream& err, Session& session, const std::string& name,
        const std::vector<std::string>& answers) {
    StandInHost& host = session.host();
    const std::int32_t id = host.idOf(name);
    const CDDObject* stored = host.object(id);
    if (!stored || stored->getcDefinition()->getKind() != ddkMethod) {
        print(err, "ddhost: no method named %s\n", name.c_str());
        return 2;
    }
    for (const auto& a : answers) host.scriptAnswer(parseValue(a));
    std::map<std::int32_t, std::string> before, deviceBefore;
    for (const std::int32_t item : host.ids()) {
        before[item] = variantText(host.value(item));
        deviceBefore[item] = variantText(host.deviceValue(item));
    }
    const std::size_t shown = host.messages().size();
    const std::unique_ptr<CDDObject> method(stored->clone());
    const std::int32_t result = session.calculator().ExecuteMethod(ContextWord{0}, method.get(), 0, false);
    for (std::size_t i = shown; i < host.messages().size(); ++i)
        print(out, "shown: %s\n", cp1252ToUtf8(host.messages()[i]).c_str());
    for (const std::int32_t item : host.ids()) {
        const std::string itemName = host.nameOf(host.object(item)->getcDefinition());
        if (const std::string now = variantText(host.value(item)); now != before[item])
            print(out, "value:  %s %s -> %s\n", itemName.c_str(), before[item].c_str(), now.c_str());
        if (const std::string now = variantText(host.deviceValue(item)); now != deviceBefore[item])
            print(out, "device: %s %s -> %s\n", itemName.c_str(), deviceBefore[item].c_str(), now.c_str());
    }
    print(out, "result: %d\n", result);
    return 0;
}

bool parse(const std::vector<std::string>& args, Options& o) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto next = [&](std::string& into) {
            if (i + 1 >= args.size()) return false;
            into = args[++i];
            return true;
        };
        std::string v;
        if (a == "--module") {
            if (!next(o.module)) return false;
        } else if (a == "--set") {
            if (!next(v)) return false;
            o.sets.push_back(v);
        } else if (a.rfind("--set=", 0) == 0) {
            o.sets.push_back(a.substr(6));
        } else if (a == "--trace") {
            if (!next(o.trace)) return false;
        } else if (a == "--lang") {
            if (!next(o.language)) return false;
        } else if (a == "--answer") {
            if (!next(v)) return false;
            o.answers.push_back(v);
        } else if (a == "-h" || a == "--help") {
            return false;
        } else {
            o.words.push_back(a);
        }
    }
    return !o.words.empty();
}

}  // namespace

int runTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Options o;
    if (!parse(args, o)) {
        err << kUsage;
        return 2;
    }
    const std::string& command = o.words[0];
    if (command == "info" || command == "register" || command == "unregister") {
        ModuleLoader module(o.module);
        if (!module.error().empty()) {
            print(err, "ddhost: %s\n", module.error().c_str());
            return 1;
        }
        return command == "info" ? info(out, module) : registry(out, err, module, command == "register");
    }
    Session session(o.module, o.trace.empty() ? Session::Trace::Off : Session::Trace::On);
    if (!session.ok()) {
        print(err, "ddhost: %s\n", session.error().c_str());
        return 1;
    }
    StandInHost& host = session.host();
    // The trace starts with the catalogue, which the session has built.
    for (const auto& s : o.sets)
        if (!session.set(s)) {
            print(err, "ddhost: cannot set %s\n", s.c_str());
            return 2;
        }
    int status = 0;
    if (command == "dump") {
        for (const std::int32_t id : host.ids()) print(out, "%s\n", dumpItem(host, session.calculator(), id).c_str());
    } else if ((command == "show" || command == "tree" || command == "run") && o.words.size() == 2) {
        const std::int32_t id = host.idOf(utf8ToCp1252(o.words[1]));
        if (!id) {
            print(err, "ddhost: no item named %s\n", o.words[1].c_str());
            return 2;
        }
        if (command == "show") {
            print(out, "%s\n", prettyJson(dumpItem(host, session.calculator(), id)).c_str());
        } else if (command == "tree") {
            std::set<std::int32_t> path;
            tree(out, host, id, "", o.language, 0, path);
        } else {
            status = run(out, err, session, o.words[1], o.answers);
        }
    } else {
        err << kUsage;
        return 2;
    }
    if (!o.trace.empty() && !writeTrace(host, o.trace)) {
        print(err, "ddhost: cannot write the trace to %s\n", o.trace.c_str());
        return 1;
    }
    return status;
}
