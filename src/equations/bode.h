#pragma once

// The frequency response of a transfer function at s = jw: magnitude in dB
// and phase in degrees over a logarithmic range of angular frequencies.

#include <cstddef>
#include <vector>

#include "equations/poles.h"
#include "equations/transfer_function.h"

namespace vantor::equations {

struct FrequencyRange {
    double from = 0.1;  // rad/s
    double to = 100;
};

// A decade below the slowest pole that is not at 0 to a decade above the
// fastest; around 1 rad/s when every pole is at 0 (or there are none).
FrequencyRange frequency_range(const std::vector<Pole>& poles);

struct BodePoint {
    double w = 0;   // rad/s
    double db = 0;  // 20 log10 |H(jw)|; -inf at a zero on the axis
    double degrees = 0;
};

// `points` frequencies spaced evenly in log w. The phase runs on without
// jumps of 360 degrees, starting in (-180, 180].
std::vector<BodePoint> bode(const TransferFunction& tf, FrequencyRange range,
                            std::size_t points = 400);

}  // namespace vantor::equations
