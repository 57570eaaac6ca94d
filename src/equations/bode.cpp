#include "equations/bode.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <limits>
#include <numbers>

namespace vantor::equations {
namespace {

// Below this a pole counts as one at 0: it sets no corner frequency.
constexpr double kLeastCorner = 1e-12;

std::complex<double> polynomial_at(const std::vector<double>& coefficients,
                                   std::complex<double> s) {
    std::complex<double> value = 0;
    for (const double c : coefficients) value = value * s + c;
    return value;
}

}  // namespace

FrequencyRange frequency_range(const std::vector<Pole>& poles) {
    double low = std::numeric_limits<double>::infinity();
    double high = 0;
    for (const Pole& p : poles) {
        if (!(p.wn > kLeastCorner) || !std::isfinite(p.wn)) continue;
        low = std::min(low, p.wn);
        high = std::max(high, p.wn);
    }
    if (high == 0) return {};
    return {low / 10, high * 10};
}

std::vector<BodePoint> bode(const TransferFunction& tf, FrequencyRange range, std::size_t points) {
    std::vector<BodePoint> out;
    if (points < 2 || !(range.from > 0) || !(range.to > range.from)) return out;
    const double first = std::log10(range.from);
    const double step = (std::log10(range.to) - first) / static_cast<double>(points - 1);
    double previous = 0;
    for (std::size_t k = 0; k < points; ++k) {
        const double w = std::pow(10.0, first + step * static_cast<double>(k));
        const std::complex<double> s(0, w);
        const std::complex<double> h =
            polynomial_at(tf.numerator, s) / polynomial_at(tf.denominator, s);
        double degrees = std::arg(h) * 180 / std::numbers::pi;
        if (k > 0) degrees -= 360 * std::round((degrees - previous) / 360);
        previous = degrees;
        out.push_back({w, 20 * std::log10(std::abs(h)), degrees});
    }
    return out;
}

}  // namespace vantor::equations
