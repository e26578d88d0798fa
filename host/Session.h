// A host session: the module loaded from its path, its attribute calculator
// attached to a stand-in host and the catalogue built, with every variable
// at its default.
#pragma once

#include <memory>
#include <string>

#include "host/ModuleLoader.h"
#include "host/StandInHost.h"

class Session {
public:
    // Trace::On records every call the module makes on the host from the
    // catalogue on (the host's call log); Off records nothing.
    enum class Trace { Off, On };

    explicit Session(const std::string& modulePath = ModuleLoader::defaultPath(), Trace trace = Trace::Off);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    bool ok() const { return calculator_ != nullptr; }
    const std::string& error() const { return error_; }
    CAttributeCalculation& calculator() { return *calculator_; }
    StandInHost& host() { return *host_; }
    ModuleLoader& module() { return loader_; }

    // NAME=VALUE: a whole number gives an int (a double beyond 32 bits), a
    // number with a point or an exponent a double, "..." a text, nothing an
    // empty value, anything else a text. Sets the host's current value and
    // the simulated device's. Throws what `readAssignment` throws, and
    // std::invalid_argument when no item has the name.
    void set(const std::string& assignment);
    // The same with the value given: an empty value clears the host's.
    bool put(const std::string& name, const CDDCommonVariant& value);

private:
    ModuleLoader loader_;
    std::unique_ptr<StandInHost> host_;
    std::unique_ptr<CAttributeCalculation> calculator_;
    std::string error_;
};

// Parses VALUE as `set` does. A number no double holds throws
// std::out_of_range, saying whether it is too large or too close to zero; a
// text that is not UTF-8, std::invalid_argument.
CDDCommonVariant parseValue(const std::string& text);

// NAME=VALUE read as `set` reads it, before any item is looked up.
struct Assignment {
    std::string name;  // as written (UTF-8)
    CDDCommonVariant value;
};
// Throws std::invalid_argument for an assignment with no '=', no name or a
// name that is not UTF-8, and what `parseValue` throws for its value.
Assignment readAssignment(const std::string& assignment);
