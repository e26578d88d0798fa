#include "host/Session.h"

#include <charconv>
#include <cstdint>
#include <string_view>
#include <utility>

#include "host/Encoding.h"

namespace {

// [+-]digits, or a decimal number with a point or an exponent: the only
// spellings read as numbers. Hexadecimal, "inf" and "nan" are texts.
enum class Spelling { Text, Whole, Real };

Spelling spellingOf(std::string_view text) {
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) text.remove_prefix(1);
    std::size_t digits = 0, points = 0, exponent = std::string_view::npos;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            digits += exponent == std::string_view::npos;
        } else if (c == '.' && exponent == std::string_view::npos) {
            ++points;
        } else if ((c == 'e' || c == 'E') && exponent == std::string_view::npos) {
            exponent = i;
        } else if ((c == '+' || c == '-') && exponent == i - 1 && i > 0) {
        } else {
            return Spelling::Text;
        }
    }
    if (!digits || points > 1) return Spelling::Text;
    if (exponent != std::string_view::npos) {
        const std::string_view power = text.substr(exponent + 1);
        if (power.find_first_of("0123456789") == std::string_view::npos) return Spelling::Text;
    }
    return points || exponent != std::string_view::npos ? Spelling::Real : Spelling::Whole;
}

}  // namespace

std::optional<CDDCommonVariant> parseValue(const std::string& text) {
    if (text.empty()) return CDDCommonVariant();
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        return CDDCommonVariant(utf8ToCp1252(text.substr(1, text.size() - 2)).c_str());
    const Spelling spelling = spellingOf(text);
    if (spelling == Spelling::Text) return CDDCommonVariant(utf8ToCp1252(text).c_str());
    // from_chars takes a minus but no plus.
    const char* const first = text.data() + (text[0] == '+');
    const char* const last = text.data() + text.size();
    if (spelling == Spelling::Whole) {
        std::int32_t whole = 0;
        if (const auto [end, error] = std::from_chars(first, last, whole); end == last && error == std::errc())
            return CDDCommonVariant(static_cast<int>(whole));
        // Beyond 32 bits: the nearest double, on every system (a long is 32
        // bits on some).
    }
    double real = 0;
    const auto [end, error] = std::from_chars(first, last, real);
    if (end != last || error != std::errc()) return std::nullopt;  // beyond a double's range
    return CDDCommonVariant(real);
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

std::optional<Assignment> readAssignment(const std::string& assignment, std::string& fault) {
    const auto equals = assignment.find('=');
    if (equals == std::string::npos) {
        fault = "no '=' between the name and the value";
        return std::nullopt;
    }
    if (equals == 0) {
        fault = "no name before '='";
        return std::nullopt;
    }
    const std::string text = assignment.substr(equals + 1);
    auto value = parseValue(text);
    if (!value) {
        fault = text + " is beyond the range of a double";
        return std::nullopt;
    }
    return Assignment{assignment.substr(0, equals), std::move(*value)};
}

std::string Session::set(const std::string& assignment) {
    std::string fault;
    const auto read = readAssignment(assignment, fault);
    if (!read) return fault;
    return put(utf8ToCp1252(read->name), read->value) ? std::string() : "no item named " + read->name;
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
