// A small JSON writer for the host tool's machine-readable output.
#pragma once

#include <string>
#include <string_view>

class JsonObject {
public:
    JsonObject& raw(std::string_view key, const std::string& json);
    JsonObject& text(std::string_view key, std::string_view utf8);
    JsonObject& number(std::string_view key, long long value);
    JsonObject& real(std::string_view key, double value);
    JsonObject& boolean(std::string_view key, bool value);
    std::string str() const { return "{" + body_ + "}"; }

private:
    std::string body_;
};

std::string jsonString(std::string_view utf8);
std::string jsonReal(double value);

// The same JSON laid out one member per line, indented, for people to read.
std::string prettyJson(std::string_view json);
