#include "app/nice_ticks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <limits>

namespace vantor {

namespace {

// Below this a step's multiples lose their digits among the values' bits, or
// the step itself is no normal number.
constexpr double kLeastRelativeStep = 1e-13;
constexpr double kLeastStep = 1e-300;
constexpr int kLastExponent = std::numeric_limits<double>::max_exponent10;
constexpr std::array<double, 3> kMantissas = {1, 2, 5};
// A tick this close to an end of the range, in steps, is on it: a run that
// ends at 0.30000000000000004 s still has its tick at 0.3.
constexpr double kOnTheEdge = 1e-9;

// m × 10^e, computed so that a negative power divides by an exact 10^-e.
double scaled(double m, int e) {
    if (e >= 0) return m * std::pow(10.0, e);
    return m / std::pow(10.0, -e);
}

// A range to tick: [-1, 1] for one that is not finite or runs backwards,
// one of zero width widened about its value.
std::pair<double, double> tickable(double lo, double hi) {
    if (!std::isfinite(lo) || !std::isfinite(hi) || lo > hi) return {-1.0, 1.0};
    if (lo == hi) {
        const double widen = lo == 0 ? 1.0 : std::abs(lo) * 0.1;
        constexpr double kMax = std::numeric_limits<double>::max();
        return {std::max(lo - widen, -kMax), std::min(hi + widen, kMax)};
    }
    return {lo, hi};
}

// A round step and the multiples k of it from `first` to `last`.
struct Step {
    double mantissa = 1;
    int exponent = 0;
    double first = 0;
    double last = 0;

    double size() const { return scaled(mantissa, exponent); }
    double tick(double k) const {
        // + 0.0 turns a -0 into 0.
        return scaled(k * mantissa, exponent) + 0.0;
    }
};

// The finest round step with at most `max_count` multiples padded out
// around [lo, hi], or, when not `padded`, inside it.
Step finest_step(double lo, double hi, std::size_t max_count, bool padded) {
    // Two ticks cannot hold a range around 0 at any step.
    const double most = static_cast<double>(std::max<std::size_t>(max_count, 3));
    // Halves first: hi - lo may exceed the largest double.
    double raw = (hi * 0.5 - lo * 0.5) / (most - 1) * 2;
    raw = std::max({raw, std::max(std::abs(lo), std::abs(hi)) * kLeastRelativeStep, kLeastStep});
    Step step;
    step.exponent = static_cast<int>(std::floor(std::log10(raw)));
    std::size_t m = 0;
    // A step ten times the raw one always fits, so few tries are made.
    for (int tries = 0; tries < 12; ++tries) {
        step.mantissa = kMantissas[m];
        const double size = step.size();
        step.first = padded ? std::floor(lo / size) : std::ceil(lo / size - kOnTheEdge);
        step.last = padded ? std::ceil(hi / size) : std::floor(hi / size + kOnTheEdge);
        // 10^308 is the last round step; multiples beyond the largest double
        // are left out, leaving at most three ticks.
        if (step.last - step.first + 1 <= most || step.exponent >= kLastExponent) break;
        if (++m == kMantissas.size()) {
            m = 0;
            ++step.exponent;
        }
    }
    return step;
}

NiceTicks ticks_of(const Step& step, double lo, double hi) {
    NiceTicks ticks;
    ticks.step = step.size();
    for (double k = step.first; k <= step.last; ++k) {
        const double value = step.tick(k);
        if (std::isfinite(value)) ticks.values.push_back(value);
    }
    ticks.low = ticks.values.empty() ? lo : std::min(ticks.values.front(), lo);
    ticks.high = ticks.values.empty() ? hi : std::max(ticks.values.back(), hi);
    return ticks;
}

}  // namespace

NiceTicks nice_ticks(double lo, double hi, std::size_t max_count) {
    const auto [from, to] = tickable(lo, hi);
    NiceTicks ticks = ticks_of(finest_step(from, to, max_count, true), from, to);
    if (ticks.values.empty()) ticks.values = {from, to};
    return ticks;
}

NiceTicks ticks_within(double lo, double hi, std::size_t max_count) {
    const auto [from, to] = tickable(lo, hi);
    NiceTicks ticks = ticks_of(finest_step(from, to, max_count, false), from, to);
    const double edge = ticks.step * kOnTheEdge;
    std::erase_if(ticks.values, [&](double v) { return v < from - edge || v > to + edge; });
    return ticks;
}

std::vector<std::string> tick_labels(const NiceTicks& ticks) {
    std::vector<std::string> labels;
    if (ticks.values.empty() || !(ticks.step > 0)) return labels;
    const int step_digit = static_cast<int>(std::floor(std::log10(ticks.step)));
    const double largest = std::max(std::abs(ticks.values.front()), std::abs(ticks.values.back()));
    const bool fixed = largest < 1e7 && (largest >= 1e-4 || largest == 0);
    const int lead_digit = largest > 0 ? static_cast<int>(std::floor(std::log10(largest))) : 0;
    // Decimals after the point, or after the exponent form's first digit.
    const int digits = std::clamp(fixed ? -step_digit : lead_digit - step_digit, 0, 16);
    for (const double value : ticks.values) {
        if (value == 0) {
            labels.emplace_back("0");
            continue;
        }
        char text[64];
        std::snprintf(text, sizeof text, fixed ? "%.*f" : "%.*e", digits, value);
        labels.emplace_back(text);
    }
    return labels;
}

DecadeRange decade_range(double lo, double hi) {
    if (!(lo > 0) || !(hi >= lo) || !std::isfinite(hi)) return {lo, hi};
    const double low = std::pow(10.0, std::floor(std::log10(lo)));
    const double high = std::pow(10.0, std::ceil(std::log10(hi)));
    return {low > 0 ? std::min(low, lo) : lo, std::isfinite(high) ? std::max(high, hi) : hi};
}

}  // namespace vantor
