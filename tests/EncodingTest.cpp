// The host's conversion between the module's Windows-1252 texts and UTF-8.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "host/Encoding.h"

TEST(Encoding, Windows1252RoundTrip) {
    const std::string cp1252 =
        "F\xFCllstand \xB0"
        "C \x80";
    EXPECT_EQ(cp1252ToUtf8(cp1252),
              "F\xC3\xBCllstand \xC2\xB0"
              "C \xE2\x82\xAC");
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(cp1252)), cp1252);
}

TEST(Encoding, WideTextAsUtf8AndBack) {
    // A wide command line or file name: Latin, the euro sign, a character
    // beyond the first plane (a surrogate pair), and lone surrogates.
    const std::wstring wide = {L'F', 0xFC, 0x20AC, 0xD83D, 0xDE00, L'|', 0xD800, L'x', 0xDC00};
    const std::string utf8 = utf8FromUtf16(wide);
    EXPECT_EQ(utf8, "F\xC3\xBC\xE2\x82\xAC\xF0\x9F\x98\x80|\xED\xA0\x80x\xED\xB0\x80");
    EXPECT_EQ(utf16FromUtf8(utf8), wide);
    // A lone surrogate is never taken for well-formed text.
    EXPECT_FALSE(isUtf8(utf8));
    EXPECT_TRUE(isUtf8(utf8FromUtf16(wide.substr(0, 6))));
    EXPECT_THROW(utf8ToCp1252(utf8), std::invalid_argument);
}
