#pragma once

// Axis ticks at round values, 1, 2 or 5 times a power of ten, for the charts.

#include <cstddef>
#include <string>
#include <vector>

namespace vantor {

struct NiceTicks {
    // [lo, hi] padded out to whole steps: the first and the last tick.
    double low = 0;
    double high = 0;
    double step = 0;
    // low, low + step, ..., high, each computed from its own multiple so
    // that 0.3 is 0.3, not 0.30000000000000004.
    std::vector<double> values;
};

// The finest round step whose ticks, padded out around [lo, hi], number at
// most `max_count` (taken as at least 3, since a range around 0 needs three).
// A range of zero width is widened by a tenth of its value (by 1 around 0);
// one that is not finite or runs backwards gives the ticks of [-1, 1]. Ticks beyond the largest
// double are left out, the padded range then ending at lo or hi.
NiceTicks nice_ticks(double lo, double hi, std::size_t max_count);

// The same for an axis whose range stays as it is (a zoomed one): the finest
// round step with at most `max_count` ticks inside [lo, hi] (or within a
// billionth of a step of its ends), which are the values; low and high are
// lo and hi.
NiceTicks ticks_within(double lo, double hi, std::size_t max_count);

// The ticks' labels, with as many digits as the step needs and no more:
// "0.2", "-40", "0"; outside 1e-4 to 1e7 in exponent form, "1.5e-09".
std::vector<std::string> tick_labels(const NiceTicks& ticks);

// The whole decades around the positive range [lo, hi], for a logarithmic
// axis: [10^floor(log10 lo), 10^ceil(log10 hi)]. A range that is not
// positive and finite comes back as it is.
struct DecadeRange {
    double low = 0;
    double high = 0;
};
DecadeRange decade_range(double lo, double hi);

}  // namespace vantor
