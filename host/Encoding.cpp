#include "host/Encoding.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace {

// Code points of 0x80 to 0x9F in Windows-1252; 0 marks the five unused bytes.
constexpr std::array<std::uint16_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

void appendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// The length of the well-formed UTF-8 sequence at the start of `text` (no
// overlong form, no surrogate unless `surrogates`, nothing beyond U+10FFFF)
// and its code point; 0 where none starts there.
std::size_t utf8Sequence(std::string_view text, std::uint32_t& cp, bool surrogates = false) {
    const auto b = static_cast<unsigned char>(text[0]);
    std::size_t length = 0;
    std::uint32_t least = 0;
    if (b < 0x80) return cp = b, 1;
    if (b >= 0xC2 && b <= 0xDF)
        length = 2, cp = b & 0x1F, least = 0x80;
    else if (b >= 0xE0 && b <= 0xEF)
        length = 3, cp = b & 0x0F, least = 0x800;
    else if (b >= 0xF0 && b <= 0xF4)
        length = 4, cp = b & 0x07, least = 0x10000;
    else
        return 0;
    if (text.size() < length) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const auto c = static_cast<unsigned char>(text[k]);
        if ((c & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < least || cp > 0x10FFFF || (!surrogates && cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return length;
}

// Calls `each` with the code point of every sequence in `text` in turn, and
// with kNoSequence for a byte that starts none, while it returns true;
// whether it did to the end.
constexpr std::uint32_t kNoSequence = 0xFFFFFFFF;
template <class Each>
bool decodeUtf8(std::string_view text, bool surrogates, Each each) {
    for (std::size_t i = 0; i < text.size();) {
        std::uint32_t cp = 0;
        const std::size_t length = utf8Sequence(text.substr(i), cp, surrogates);
        if (!each(length ? cp : kNoSequence)) return false;
        i += length ? length : 1;
    }
    return true;
}

}  // namespace

void appendHex(std::string& to, unsigned char byte) {
    const char* const digits = "0123456789ABCDEF";
    to.append(1, digits[byte >> 4]).append(1, digits[byte & 15]);
}

std::string forTerminal(std::string_view text, bool keepLineEnds) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        std::uint32_t cp = 0;
        std::size_t length = utf8Sequence(text.substr(i), cp);
        const bool control = cp < 0x20 || (cp >= 0x7F && cp <= 0x9F);
        if (length == 0 || (control && !(keepLineEnds && cp == '\n'))) {
            // One byte at a time: a C1 control's second byte is then no
            // sequence's start, and is escaped in turn.
            appendHex(out.append("\\x"), static_cast<unsigned char>(text[i]));
            length = 1;
        } else {
            out.append(text.substr(i, length));
        }
        i += length;
    }
    return out;
}

std::string cp1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 && byte <= 0x9F) {
            const std::uint16_t cp = kHigh[byte - 0x80];
            appendUtf8(out, cp ? cp : 0xFFFD);
        } else {
            appendUtf8(out, byte);
        }
    }
    return out;
}

std::string utf8FromUtf16(std::wstring_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::uint32_t cp = static_cast<std::uint32_t>(text[i]) & 0xFFFF;
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size()) {
            const std::uint32_t low = static_cast<std::uint32_t>(text[i + 1]) & 0xFFFF;
            if (low >= 0xDC00 && low <= 0xDFFF) cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00), ++i;
        }
        appendUtf8(out, cp);
    }
    return out;
}

std::wstring utf16FromUtf8(std::string_view text) {
    std::wstring out;
    out.reserve(text.size());
    decodeUtf8(text, true, [&](std::uint32_t cp) {
        if (cp == kNoSequence) cp = 0xFFFD;
        if (cp >= 0x10000) {
            out += static_cast<wchar_t>(0xD800 + ((cp - 0x10000) >> 10));
            cp = 0xDC00 + ((cp - 0x10000) & 0x3FF);
        }
        out += static_cast<wchar_t>(cp);
        return true;
    });
    return out;
}

bool isUtf8(std::string_view text) {
    return decodeUtf8(text, false, [](std::uint32_t cp) { return cp != kNoSequence; });
}

std::string utf8ToCp1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    const bool whole = decodeUtf8(text, false, [&](std::uint32_t cp) {
        if (cp == kNoSequence) return false;
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            out += static_cast<char>(cp);
        } else {
            const auto* const high = std::find(kHigh.begin(), kHigh.end(), cp);
            out += high != kHigh.end() ? static_cast<char>(0x80 + (high - kHigh.begin())) : '?';
        }
        return true;
    });
    if (!whole) throw std::invalid_argument("the text is not UTF-8");
    return out;
}

std::string languagePart(std::string_view text, std::string_view language) {
    // Split into (tag, part); the text before the first tag is English.
    struct Part {
        std::string_view tag, text;
    };
    std::vector<Part> parts;
    std::string_view tag = "en";
    std::size_t start = 0;
    for (std::size_t i = 0; i + 3 < text.size(); ++i) {
        if (text[i] != '|' || text[i + 3] != '|' || !std::isalpha(static_cast<unsigned char>(text[i + 1])) ||
            !std::isalpha(static_cast<unsigned char>(text[i + 2])))
            continue;
        parts.push_back({tag, text.substr(start, i - start)});
        tag = text.substr(i + 1, 2);
        start = i + 4;
        i += 3;
    }
    parts.push_back({tag, text.substr(start)});
    auto trimmed = [](std::string_view part) {
        while (!part.empty() && part.back() == ' ') part.remove_suffix(1);
        return std::string(part);
    };
    // The first non-empty part of a language: an empty lead before "|en|" is no English.
    auto find = [&](std::string_view wanted) -> const Part* {
        for (const Part& p : parts)
            if (p.tag == wanted && !p.text.empty()) return &p;
        return nullptr;
    };
    if (const Part* found = find(language)) return trimmed(found->text);
    const Part* english = find("en");
    return english ? trimmed(english->text) : std::string();
}
