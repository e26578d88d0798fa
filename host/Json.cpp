#include "host/Json.h"

#include <charconv>
#include <cmath>
#include <cstdio>

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
            // DEL too, which the terminal escape would otherwise turn into
            // an escape JSON does not have.
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
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
    // The shortest text that reads back as the same double.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string s(buffer, result.ptr);
    if (s.find_first_of(".e") == std::string::npos) s += ".0";
    return s;
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

namespace {

// Where the object or list opened at `open` closes, when nothing is nested in
// it; npos otherwise. Brackets inside strings are text, not structure.
std::size_t flatEnd(std::string_view json, std::size_t open, char close) {
    bool inString = false;
    for (std::size_t i = open + 1; i < json.size(); ++i) {
        const char c = json[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == close) {
            return i;
        } else if (c == '{' || c == '[' || c == '}' || c == ']') {
            return std::string_view::npos;
        }
    }
    return std::string_view::npos;
}

}  // namespace

std::string prettyJson(std::string_view json) {
    std::string out;
    int depth = 0;
    bool inString = false;
    auto newline = [&] { out += '\n' + std::string(static_cast<std::size_t>(depth) * 2, ' '); };
    for (std::size_t i = 0; i < json.size(); ++i) {
        const char c = json[i];
        if (inString) {
            out += c;
            if (c == '\\' && i + 1 < json.size())
                out += json[++i];
            else if (c == '"')
                inString = false;
            continue;
        }
        switch (c) {
        case '"':
            inString = true;
            out += c;
            break;
        case '{':
        case '[': {
            const char close = c == '{' ? '}' : ']';
            // Small objects and empty lists stay on one line.
            const std::size_t end = flatEnd(json, i, close);
            if (end != std::string_view::npos && end - i < 60) {
                out += json.substr(i, end - i + 1);
                i = end;
                break;
            }
            out += c;
            ++depth;
            newline();
            break;
        }
        case '}':
        case ']':
            --depth;
            newline();
            out += c;
            break;
        case ',':
            out += c;
            newline();
            break;
        case ':': out += ": "; break;
        default: out += c;
        }
    }
    return out;
}
