#include "host/Json.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

std::string jsonString(std::string_view utf8) {
    std::string out = "\"";
    for (const char c : utf8) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char buffer[8];
                std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned>(static_cast<unsigned char>(c)));
                out += buffer;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

std::string jsonReal(double value) {
    if (!std::isfinite(value)) return "null";
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    // Shortest text that reads back as the same double.
    for (int precision = 1; precision <= 17; ++precision) {
        char candidate[40];
        std::snprintf(candidate, sizeof candidate, "%.*g", precision, value);
        if (std::strtod(candidate, nullptr) == value) {
            std::string s = candidate;
            if (s.find_first_of(".eE") == std::string::npos) s += ".0";
            return s;
        }
    }
    return buffer;
}

JsonObject& JsonObject::raw(std::string_view key, const std::string& json) {
    if (!body_.empty()) body_ += ",";
    body_ += jsonString(key) + ":" + json;
    return *this;
}

JsonObject& JsonObject::text(std::string_view key, std::string_view utf8) { return raw(key, jsonString(utf8)); }
JsonObject& JsonObject::number(std::string_view key, long long value) { return raw(key, std::to_string(value)); }
JsonObject& JsonObject::real(std::string_view key, double value) { return raw(key, jsonReal(value)); }
JsonObject& JsonObject::boolean(std::string_view key, bool value) { return raw(key, value ? "true" : "false"); }
