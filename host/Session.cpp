#include "host/Session.h"

#include <charconv>
#include <climits>
#include <cstdint>

#include "host/Encoding.h"

CDDCommonVariant parseValue(const std::string& text) {
    if (text.empty()) return CDDCommonVariant();
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        return CDDCommonVariant(utf8ToCp1252(text.substr(1, text.size() - 2)).c_str());
    // Numbers are decimal: "010" is ten, and "0x2491" is no number but a text.
    // A sign may lead.
    const char* const first = text.data() + (text.size() > 1 && text[0] == '+' && text[1] != '-');
    const char* const last = text.data() + text.size();
    if (text.find_first_of(".eE") == std::string::npos) {
        long long whole = 0;
        const auto [end, error] = std::from_chars(first, last, whole);
        if (end != last) return CDDCommonVariant(utf8ToCp1252(text).c_str());
        if (error == std::errc() && whole >= INT32_MIN && whole <= INT32_MAX)
            return CDDCommonVariant(static_cast<int>(whole));
        if (error == std::errc() && whole >= LONG_MIN && whole <= LONG_MAX)
            return CDDCommonVariant(static_cast<long>(whole));
        // Too large for the integer kinds: the nearest double.
    }
    double real = 0;
    if (const auto [end, error] = std::from_chars(first, last, real); end == last && error == std::errc())
        return CDDCommonVariant(real);
    return CDDCommonVariant(utf8ToCp1252(text).c_str());
}

Session::Session(const std::string& modulePath, Trace trace)
    : loader_(modulePath), host_(std::make_unique<StandInHost>()) {
    host_->log().enable(trace == Trace::On);
    if (!loader_.error().empty()) {
        error_ = loader_.error();
        return;
    }
    calculator_.reset(loader_.getAttributeCalculation());
    if (!calculator_) {
        error_ = "the module gave no attribute calculator";
        return;
    }
    calculator_->AttachHost(host_.get());
    host_->useModule(calculator_.get());
    calculator_->BuildCatalogue();
    host_->startFromDefaults();
}

Session::~Session() {
    // The calculator goes first: it may still hold nothing of the host, but
    // it must never outlive the module's code.
    if (calculator_) calculator_->DetachHost();
    calculator_.reset();
    host_.reset();
}

bool Session::set(const std::string& assignment) {
    const auto equals = assignment.find('=');
    if (equals == std::string::npos) return false;
    return put(utf8ToCp1252(assignment.substr(0, equals)), parseValue(assignment.substr(equals + 1)));
}

bool Session::put(const std::string& name, const CDDCommonVariant& value) {
    const std::int32_t id = host_->idOf(name);
    if (!id) return false;
    if (value.isEmpty())
        host_->clearValue(id);
    else
        host_->setValue(id, value);
    host_->setDeviceValue(id, value);
    return true;
}
