#pragma once

// Exact responses of small linear systems, the reference the simulated
// diagrams are compared with. They are written from the physics of a model,
// never from a generated file.

#include <array>

namespace vantor::sim::test {

using Matrix2 = std::array<std::array<double, 2>, 2>;
using Vector2 = std::array<double, 2>;

// x' = a x + b with x(0) = 0 and a constant b, at time t: the integral of the
// matrix exponential, from a's eigenvalues (complex or repeated ones too).
Vector2 linear_response(const Matrix2& a, const Vector2& b, double t);

// y'' + 2 zeta w0 y' + w0^2 y = w0^2 gain from rest: {y, y'} at time t.
Vector2 second_order_step(double w0, double zeta, double gain, double t);

// y' = (gain - y) / tau from rest.
double first_order_step(double tau, double gain, double t);

}  // namespace vantor::sim::test
