// The charts' bounded copy of a run's rows.
#include "app/thinned_rows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace vantor {
namespace {

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
