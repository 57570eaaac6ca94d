#include "sim/linear_response.h"

#include <cmath>
#include <complex>

namespace vantor::sim::test {

namespace {

using Complex = std::complex<double>;

// (e^(l t) - 1) / l, and its limit t for l = 0.
Complex integral_of_exp(Complex l, double t) {
    if (std::abs(l * t) < 1e-8) return t + l * t * t / 2.0;
    return (std::exp(l * t) - 1.0) / l;
}

// The integral of s e^(l s) from 0 to t.
Complex integral_of_s_exp(Complex l, double t) {
    if (std::abs(l * t) < 1e-5) return t * t / 2.0 + l * t * t * t / 3.0;
    return (std::exp(l * t) * (l * t - 1.0) + 1.0) / (l * l);
}

}  // namespace

Vector2 linear_response(const Matrix2& a, const Vector2& b, double t) {
    // x(t) = integral of e^(a s) b over s in [0, t].
    const double trace = a[0][0] + a[1][1];
    const double det = a[0][0] * a[1][1] - a[0][1] * a[1][0];
    const Complex root = std::sqrt(Complex(trace * trace / 4 - det));
    const Complex l1 = trace / 2 + root, l2 = trace / 2 - root;
    // (a - l I) b
    auto shifted = [&](Complex l) {
        return std::array<Complex, 2>{(a[0][0] - l) * b[0] + a[0][1] * b[1],
                                      a[1][0] * b[0] + (a[1][1] - l) * b[1]};
    };
    Vector2 x{};
    if (std::abs(l1 - l2) <= 1e-9 * (std::abs(l1) + std::abs(l2) + 1e-300)) {
        // e^(a s) = e^(l s) (I + (a - l I) s)
        const auto n = shifted(l1);
        for (int i = 0; i < 2; ++i)
            x[i] = (integral_of_exp(l1, t) * b[i] + integral_of_s_exp(l1, t) * n[i]).real();
        return x;
    }
    // Sylvester: e^(a s) = e^(l1 s) (a - l2 I)/(l1 - l2) + e^(l2 s) (a - l1 I)/(l2 - l1)
    const auto n2 = shifted(l2), n1 = shifted(l1);
    for (int i = 0; i < 2; ++i)
        x[i] = (integral_of_exp(l1, t) * n2[i] / (l1 - l2) +
                integral_of_exp(l2, t) * n1[i] / (l2 - l1))
                   .real();
    return x;
}

Vector2 second_order_step(double w0, double zeta, double gain, double t) {
    return linear_response({{{0, 1}, {-w0 * w0, -2 * zeta * w0}}}, {0, w0 * w0 * gain}, t);
}

double first_order_step(double tau, double gain, double t) {
    return gain * -std::expm1(-t / tau);
}

}  // namespace vantor::sim::test
