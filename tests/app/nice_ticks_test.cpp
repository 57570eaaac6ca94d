#include "app/nice_ticks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace vantor {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kMax = std::numeric_limits<double>::max();

// The mantissa of a round step: 1, 2 or 5.
double mantissa(double step) {
    return step / std::pow(10.0, std::floor(std::log10(step) + 1e-9));
}

TEST(NiceTicks, TickAtOneTwoOrFiveTimesAPowerOfTenAroundTheRange) {
    const struct {
        double lo, hi;
        std::size_t max_count;
        std::vector<double> values;
    } cases[] = {
        {0, 10, 6, {0, 2, 4, 6, 8, 10}},
        {0, 10, 11, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {0.13, 0.87, 6, {0, 0.2, 0.4, 0.6, 0.8, 1}},  // padded to whole steps
        {-37, -3, 5, {-40, -30, -20, -10, 0}},
        {-1.5, 2.5, 7, {-2, -1, 0, 1, 2, 3}},
        {1e-9, 3e-9, 5, {1e-9, 1.5e-9, 2e-9, 2.5e-9, 3e-9}},
        {0, 3.7e12, 5, {0, 1e12, 2e12, 3e12, 4e12}},
        {0, 0, 5, {-1, -0.5, 0, 0.5, 1}},  // zero width: widened by 1 about 0
        {5, 5, 5, {4.5, 5, 5.5}},          // and by a tenth elsewhere
        {-1, 1, 2, {-1, 0, 1}},            // two ticks cannot straddle 0
        {kNaN, 1, 5, {-1, -0.5, 0, 0.5, 1}},
        {3, 1, 5, {-1, -0.5, 0, 0.5, 1}},  // nothing to show
        {-kMax, kMax, 5, {-1e308, 0, 1e308}},
    };
    for (const auto& c : cases) {
        const NiceTicks ticks = nice_ticks(c.lo, c.hi, c.max_count);
        EXPECT_EQ(ticks.values, c.values) << c.lo << " " << c.hi;
    }
}

// A zoomed axis keeps its range: the ticks inside it, as many as allowed.
TEST(NiceTicks, WithinARangeTheFinestRoundStepThatFits) {
    const struct {
        double lo, hi;
        std::size_t max_count;
        std::vector<double> values;
    } cases[] = {
        {0.1234,
         0.1789,
         11,
         {0.125, 0.13, 0.135, 0.14, 0.145, 0.15, 0.155, 0.16, 0.165, 0.17, 0.175}},
        {0, 2.4, 11, {0, 0.5, 1, 1.5, 2}},  // 0.2 would make 13
        {-0.03, 0.07, 7, {-0.02, 0, 0.02, 0.04, 0.06}},
        {5, 5, 5, {4.6, 4.8, 5, 5.2, 5.4}},
        {0, 0.1 + 0.2, 7, {0, 0.05, 0.1, 0.15, 0.2, 0.25, 0.3}},  // ends a hair past 0.3
        {1e-17, 0.29999999999999993, 7, {0, 0.05, 0.1, 0.15, 0.2, 0.25, 0.3}},
    };
    for (const auto& c : cases) {
        const NiceTicks ticks = ticks_within(c.lo, c.hi, c.max_count);
        EXPECT_EQ(ticks.values, c.values) << c.lo << " " << c.hi;
    }
}

TEST(NiceTicks, ThePaddedRangeHoldsTheDataAndTheStepsAreEvenAndDistinct) {
    const struct {
        double lo, hi;
    } ranges[] = {
        {0, 1},           {0.001, 0.0013}, {-273.15, 1e3},     {1e9, 1e9 + 1e-6}, {-5e-300, 7e-300},
        {1e-310, 1e-310}, {-3e307, kMax},  {6.02e23, 6.03e23}, {-0.7, -0.69},
    };
    for (const auto& r : ranges) {
        for (const std::size_t most : {3u, 5u, 11u}) {
            const NiceTicks ticks = nice_ticks(r.lo, r.hi, most);
            ASSERT_GE(ticks.values.size(), 2u) << r.lo << " " << r.hi << " " << most;
            EXPECT_LE(ticks.values.size(), most) << r.lo << " " << r.hi;
            EXPECT_LE(ticks.low, r.lo) << r.lo;
            EXPECT_GE(ticks.high, r.hi) << r.hi;
            EXPECT_TRUE(std::isfinite(ticks.low) && std::isfinite(ticks.high)) << r.lo;
            const double m = mantissa(ticks.step);
            EXPECT_TRUE(std::abs(m - 1) < 1e-9 || std::abs(m - 2) < 1e-9 || std::abs(m - 5) < 1e-9)
                << ticks.step;
            for (std::size_t k = 1; k < ticks.values.size(); ++k) {
                EXPECT_LT(ticks.values[k - 1], ticks.values[k]) << r.lo << " " << r.hi;
                // Within the values' own rounding, far from 0.
                const double slack = std::max(ticks.step * 1e-6, std::abs(ticks.values[k]) * 1e-15);
                EXPECT_NEAR(ticks.values[k] - ticks.values[k - 1], ticks.step, slack);
            }
        }
    }
}

TEST(NiceTicks, LabelsShowTheDigitsOfTheStepAndNoMore) {
    using Labels = std::vector<std::string>;
    const struct {
        double lo, hi;
        std::size_t max_count;
        Labels labels;
    } cases[] = {
        {0.13, 0.87, 6, {"0", "0.2", "0.4", "0.6", "0.8", "1.0"}},
        {-1.5, 0.5, 5, {"-1.5", "-1.0", "-0.5", "0", "0.5"}},
        {-37, -3, 5, {"-40", "-30", "-20", "-10", "0"}},
        {2500, 3400, 6, {"2400", "2600", "2800", "3000", "3200", "3400"}},
        {1e-9, 3e-9, 5, {"1.0e-09", "1.5e-09", "2.0e-09", "2.5e-09", "3.0e-09"}},
        {0, 3.7e12, 5, {"0", "1e+12", "2e+12", "3e+12", "4e+12"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(tick_labels(nice_ticks(c.lo, c.hi, c.max_count)), c.labels) << c.lo;
    }
}

TEST(NiceTicks, ALogAxisRunsOverWholeDecades) {
    const struct {
        double lo, hi, low, high;
    } cases[] = {
        {3.7, 370, 1, 1000}, {10, 1000, 10, 1000}, {0.037, 0.5, 0.01, 1},      {5, 5, 1, 10},
        {0, 5, 0, 5},        {-1, 5, -1, 5},       {1, INFINITY, 1, INFINITY},
    };
    for (const auto& c : cases) {
        const DecadeRange range = decade_range(c.lo, c.hi);
        EXPECT_DOUBLE_EQ(range.low, c.low) << c.lo;
        EXPECT_DOUBLE_EQ(range.high, c.high) << c.hi;
    }
}

}  // namespace
}  // namespace vantor
