#include "host/Session.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <stdexcept>
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

// For a number no double holds, spelt as `spellingOf` reads numbers: whether
// it is too large rather than too close to zero, that is whether its first
// significant digit, the exponent applied, stands at the units or above.
bool beyondTheRange(std::string_view text) {
    if (text[0] == '+' || text[0] == '-') text.remove_prefix(1);
    const auto e = std::min(text.find_first_of("eE"), text.size());
    const std::string_view significand = text.substr(0, e);
    int exponent = 0;
    if (e < text.size()) {
        std::string_view power = text.substr(e + 1);
        const bool negative = power[0] == '-';
        if (power[0] == '+' || negative) power.remove_prefix(1);
        // An exponent beyond an int's range decides alone.
        if (std::from_chars(power.data(), power.data() + power.size(), exponent).ec != std::errc()) return !negative;
        if (negative) exponent = -exponent;
    }
    const auto point = static_cast<long long>(std::min(significand.find('.'), significand.size()));
    const auto first = static_cast<long long>(significand.find_first_not_of("0."));
    // 120.5: place 2; 0.05: place -2 (the point stands between).
    const long long place = first < point ? point - first - 1 : point - first;
    return place + exponent >= 0;
}

}  // namespace

CDDCommonVariant parseValue(const std::string& text) {
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
    // Subnormal numbers are read as such; only a number that would become
    // zero or infinite is out of range.
    if (error == std::errc::result_out_of_range)
        throw std::out_of_range(
            text + (beyondTheRange(text) ? " is beyond the range of a double" : " is too close to zero for a double"));
    if (end != last || error != std::errc()) throw std::invalid_argument(text + " is not a number");
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

Assignment readAssignment(const std::string& assignment) {
    const auto equals = assignment.find('=');
    if (equals == std::string::npos) throw std::invalid_argument("no '=' between the name and the value");
    if (equals == 0) throw std::invalid_argument("no name before '='");
    if (!isUtf8(assignment.substr(0, equals))) throw std::invalid_argument("the name is not UTF-8");
    return Assignment{assignment.substr(0, equals), parseValue(assignment.substr(equals + 1))};
}

void Session::set(const std::string& assignment) {
    const Assignment read = readAssignment(assignment);
    if (!put(utf8ToCp1252(read.name), read.value)) throw std::invalid_argument("no item named " + read.name);
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
