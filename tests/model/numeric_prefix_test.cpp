#include "model/numeric_prefix.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vantor {
namespace {

TEST(NumericPrefix, ReadsTheLeadingNumberAndIgnoresBlanksTabsAndLineFeeds) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        // clang-format off
        {"", 0}, {"abc", 0}, {"12abc", 12}, {" 1 2 3", 123}, {"1\t2\n3", 123}, {"-3.5", -3.5},
        {"+4", 4}, {".5", 0.5}, {"-.25x", -0.25}, {"1.2.3", 1.2}, {"1e3", 1000}, {"1E+2", 100},
        {"2.5e-1", 0.25}, {"1d2", 100}, {"1e", 1}, {"1e+", 1}, {"-", 0}, {"--1", 0}, {".", 0},
        {"1,5", 1}, {"&H1F", 31}, {"&hff", 255}, {"&O17", 15}, {"&HFFFF", -1}, {"&H8000", -32768},
        {"&H10000", 65536}, {"&HFFFFFFFF", -1}, {"&Hxyz", 0}, {"\r5", 0}
        // clang-format on
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(numeric_prefix(c.text), c.value) << c.text;
}

TEST(NumericPrefix, HugeNumbersAreInfiniteAndTinyOnesZero) {
    EXPECT_EQ(numeric_prefix("1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(numeric_prefix("-1e400"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(numeric_prefix("1e-400"), 0);
    // Too small without an exponent, or with a large mantissa and a smaller one.
    EXPECT_EQ(numeric_prefix("0." + std::string(400, '0') + "1"), 0);
    EXPECT_EQ(numeric_prefix("-." + std::string(400, '0') + "7"), 0);
    EXPECT_EQ(numeric_prefix("12345e-330"), 0);
    EXPECT_EQ(numeric_prefix("0.001e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(numeric_prefix(std::string(400, '9')), std::numeric_limits<double>::infinity());
}

// Rounding and the 16-bit limits are pinned by the resave and info cases.
TEST(ToInt16, RefusesWhatIsNoNumber) {
    EXPECT_EQ(to_int16(std::numeric_limits<double>::infinity()), std::nullopt);
    EXPECT_EQ(to_int16(std::nan("")), std::nullopt);
}

}  // namespace
}  // namespace vantor
