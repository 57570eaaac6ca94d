// What the charts draw: axis ticks, and the bounded copy of a run's rows.
#include "app/nice_ticks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "app/thinned_rows.h"
#include "sim/test_tables.h"

namespace vantor {
namespace {

constexpr double kMax = std::numeric_limits<double>::max();

// The mantissa of a round step: 1, 2 or 5.
double mantissa(double step) {
    return step / std::pow(10.0, std::floor(std::log10(step) + 1e-9));
}

// Ticks, labels and decades, as the table's header says.
TEST(NiceTicks, TableOfRangesAndTheirTicks) {
    for (const auto& [asked, expected] : test::table("as2_nice_ticks.txt")) {
        SCOPED_TRACE(asked);
        const std::string kind = asked.substr(0, asked.find(' '));
        const std::vector<double> in = test::numbers(asked.substr(kind.size()));
        if (kind == "decades") {
            const DecadeRange range = decade_range(in[0], in[1]);
            EXPECT_EQ((std::vector<double>{range.low, range.high}), test::numbers(expected));
            continue;
        }
        const auto most = static_cast<std::size_t>(in[2]);
        const NiceTicks ticks =
            kind == "within" ? ticks_within(in[0], in[1], most) : nice_ticks(in[0], in[1], most);
        if (kind == "labels") {
            std::string labels;
            for (const std::string& label : tick_labels(ticks)) labels += " " + label;
            EXPECT_EQ(labels.substr(1), expected);
        } else {
            EXPECT_EQ(ticks.values, test::numbers(expected));
        }
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

struct Taken {
    std::vector<double> time;
    std::vector<std::vector<double>> columns;
};

Taken take(const ThinnedRows& rows) {
    Taken taken;
    rows.take(taken.time, taken.columns);
    return taken;
}

// While the rows fit they are all kept; however long the run, the copy stays
// bounded and keeps the first and last rows and every column's extremes, even
// a one-row spike.
TEST(ThinnedRows, StaysBoundedAndKeepsPeaksOfALongRun) {
    const std::size_t stretches = 50;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const long count : {150L, 1001L, 65536L, 1000003L}) {
        SCOPED_TRACE(count);
        ThinnedRows rows(2, stretches);
        const long spike = count / 3 + 7;
        for (long k = 0; k < count; ++k) {
            const double t = 1e-3 * static_cast<double>(k);
            const double values[] = {k == spike ? 50.0 : std::sin(t), k == 5 ? nan : -t};
            rows.add(t, values);
        }
        EXPECT_EQ(rows.count(), count);
        const Taken taken = take(rows);
        EXPECT_LE(taken.time.size(), 2 * stretches * 6);
        EXPECT_TRUE(count > 150 || taken.time.size() == 150u);
        EXPECT_TRUE(std::is_sorted(taken.time.begin(), taken.time.end()));
        EXPECT_EQ(taken.time.front(), 0);
        EXPECT_DOUBLE_EQ(taken.time.back(), 1e-3 * static_cast<double>(count - 1));
        EXPECT_EQ(*std::max_element(taken.columns[0].begin(), taken.columns[0].end()), 50);
        EXPECT_NE(
            std::find(taken.time.begin(), taken.time.end(), 1e-3 * static_cast<double>(spike)),
            taken.time.end());
        double lowest = 0;
        for (double v : taken.columns[1]) {
            if (std::isfinite(v)) lowest = std::min(lowest, v);
        }
        EXPECT_DOUBLE_EQ(lowest, -1e-3 * static_cast<double>(count - 1));
    }
}

}  // namespace
}  // namespace vantor
