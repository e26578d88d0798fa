// The host's conversion between the module's Windows-1252 texts and UTF-8.
#include <gtest/gtest.h>

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
