#include "model/cp1252.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

TEST(Cp1252, EveryByteSurvivesARoundTripAndTheSpecialOnesMapToTheirCharacters) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(utf8_to_cp1252(cp1252_to_utf8(all)), all);
    EXPECT_EQ(cp1252_to_utf8("\x95"), "\u2022");  // connection point
    EXPECT_EQ(cp1252_to_utf8("\x80"), "\u20AC");
    EXPECT_EQ(cp1252_to_utf8("\xA0\xB8\xE9"), "\u00A0\u00B8\u00E9");
    EXPECT_EQ(utf8_to_cp1252("caf\u00E9 \u20AC"), "caf\xE9 \x80");
    EXPECT_EQ(utf8_to_cp1252("\u6F22"), "?");
    // Broken UTF-8 does not run past the end.
    EXPECT_EQ(utf8_to_cp1252("a\xE2\x82"), "a??");
    EXPECT_EQ(utf8_to_cp1252("\xC3"), "?");
}

}  // namespace
}  // namespace vantor
