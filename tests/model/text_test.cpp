// Text rules of the file format: names, the code page, and numbers read the
// way the format's own reader reads them.
#include "model/text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/cp1252.h"
#include "model/numeric_prefix.h"

namespace vantor {
namespace {

TEST(Nombrecorto, GivesTheFileNameWithoutItsLastExtension) {
    const struct {
        const char* path;
        const char* name;
    } cases[] = {
        {"C:\\A.B\\MODEL3.BGF", "MODEL3"},
        {"/home/u/a.b/model3.bgf", "model3"},
        {"MODEL", "MODEL"},
        {"/a.b/MODEL", "MODEL"},
        {"x.tar.gz", "x.tar"},
        {"dir/.hidden", ".hidden"},
        {"dir/", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(nombrecorto(c.path), c.name) << c.path;
}

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

// Huge numbers are infinite and tiny ones zero, with or without an exponent;
// neither is a 16-bit number (rounding and the 16-bit limits are pinned by the
// resave and info cases).
TEST(NumericPrefix, ReadsTheLeadingNumberAndIgnoresBlanksTabsAndLineFeeds) {
    const double inf = std::numeric_limits<double>::infinity();
    const std::string zeros(400, '0');
    const struct {
        std::string text;
        double value;
    } cases[] = {
        // clang-format off
        {"", 0}, {"abc", 0}, {"12abc", 12}, {" 1 2 3", 123}, {"1\t2\n3", 123}, {"-3.5", -3.5},
        {"+4", 4}, {".5", 0.5}, {"-.25x", -0.25}, {"1.2.3", 1.2}, {"1e3", 1000}, {"1E+2", 100},
        {"2.5e-1", 0.25}, {"1d2", 100}, {"1e", 1}, {"1e+", 1}, {"-", 0}, {"--1", 0}, {".", 0},
        {"1,5", 1}, {"&H1F", 31}, {"&hff", 255}, {"&O17", 15}, {"&HFFFF", -1}, {"&H8000", -32768},
        {"&H10000", 65536}, {"&HFFFFFFFF", -1}, {"&Hxyz", 0}, {"\r5", 0},
        {"1e400", inf}, {"-1e400", -inf}, {"1e-400", 0}, {"0." + zeros + "1", 0},
        {"-." + zeros + "7", 0}, {"12345e-330", 0}, {"0.001e400", inf}, {std::string(400, '9'), inf},
        // clang-format on
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(numeric_prefix(c.text), c.value) << c.text;
    EXPECT_EQ(to_int16(inf), std::nullopt);
    EXPECT_EQ(to_int16(std::nan("")), std::nullopt);
}

}  // namespace
}  // namespace vantor
