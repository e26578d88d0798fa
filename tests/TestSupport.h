// Shared helpers of the tests: a host session on the built module.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "host/Session.h"

// The eighteen forwarder slots, every one of which a host may use for any item.
using Forwarder = CDDObject* (CAttributeCalculation::*)(ContextWord, CDDObject*);
inline constexpr Forwarder kForwarders[] = {
    &CAttributeCalculation::CalculateAttributes05, &CAttributeCalculation::CalculateAttributes06,
    &CAttributeCalculation::CalculateAttributes07, &CAttributeCalculation::CalculateAttributes08,
    &CAttributeCalculation::CalculateAttributes09, &CAttributeCalculation::CalculateAttributes10,
    &CAttributeCalculation::CalculateAttributes11, &CAttributeCalculation::CalculateAttributes12,
    &CAttributeCalculation::CalculateAttributes13, &CAttributeCalculation::CalculateAttributes15,
    &CAttributeCalculation::CalculateAttributes18, &CAttributeCalculation::CalculateAttributes19,
    &CAttributeCalculation::CalculateAttributes20, &CAttributeCalculation::CalculateAttributes21,
    &CAttributeCalculation::CalculateAttributes22, &CAttributeCalculation::CalculateAttributes24,
    &CAttributeCalculation::CalculateAttributes25, &CAttributeCalculation::CalculateAttributes26,
};

// Traced: tests read the host's call log. A module that cannot be loaded or
// started fails the test that asked for it and ends it there.
inline std::unique_ptr<Session> openSession(const std::string& modulePath = DD_MODULE_PATH) {
    auto session = std::make_unique<Session>(modulePath, Session::Trace::On);
    if (!session->ok()) {
        ADD_FAILURE() << "no session on " << modulePath << ": " << session->error();
        throw std::runtime_error("no session");
    }
    return session;
}

// A fresh copy of the item's stored object, filled by the module.
inline std::unique_ptr<CDDObject> calculate(Session& s, const char* name) {
    return s.host().calculated(s.host().idOf(name));
}

// Sets a current value (and the simulated device's); empty clears it.
inline void put(Session& s, const std::string& name, const CDDCommonVariant& value) {
    ASSERT_TRUE(s.put(name, value)) << name;
}

template <class T>
std::unique_ptr<T> calculateAs(Session& s, const char* name) {
    auto object = calculate(s, name);
    auto* typed = dynamic_cast<T*>(object.get());
    if (!typed) return nullptr;
    object.release();
    return std::unique_ptr<T>(typed);
}

// A path of the build as the system writes it: under Wine, the build's own
// paths are reached from a drive of their own.
inline std::string systemPath(const std::string& path) {
#if defined(_WIN32)
    return std::filesystem::absolute(path).make_preferred().string();
#else
    return path;
#endif
}
