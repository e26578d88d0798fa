// The module's version, in the one place that the code and the resource
// script read it from.
#pragma once

// The texts are made from the numbers as written here, without blanks.
// clang-format off
#define DD_VERSION 1,5,153,348
// clang-format on

#define DD_VERSION_STRINGIZE(...) #__VA_ARGS__
#define DD_VERSION_TEXT_OF(...) DD_VERSION_STRINGIZE(__VA_ARGS__)
// "1,5,153,348", as the version resource writes it.
#define DD_VERSION_TEXT DD_VERSION_TEXT_OF(DD_VERSION)

#ifdef __cplusplus
#include <array>
#include <cstddef>

namespace resources {

// "1.5.153.348", as the information object reports it.
inline constexpr auto kDottedVersion = [] {
    constexpr char text[] = DD_VERSION_TEXT;
    std::array<char, sizeof text> dotted{};
    for (std::size_t i = 0; i < dotted.size(); ++i) dotted[i] = text[i] == ',' ? '.' : text[i];
    return dotted;
}();

}  // namespace resources
#endif
