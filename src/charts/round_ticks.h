#pragma once

#include <cstddef>

class QCategoryAxis;

namespace vantor::charts {

// Most ticks along a chart's axes: about one every 80 pixels across a chart
// and every 40 up it.
inline constexpr std::size_t kMostTimeTicks = 11;
inline constexpr std::size_t kMostValueTicks = 7;

// Ticks `axis` at round values (1, 2 or 5 × 10^k) within its range, at most
// `most` of them, labelled with the digits they need, and again whenever its
// range changes, as a zoom changes it. The labels are written, not left to
// the axis's arithmetic, which would show a tick at 0 as "-0.00".
void keep_ticks_round(QCategoryAxis& axis, std::size_t most);

// Sets the range of `axis` to [lo, hi] padded out to round ticks.
void set_round_range(QCategoryAxis& axis, double lo, double hi, std::size_t most);

}  // namespace vantor::charts
