#pragma once

// The state equations and their linear analysis as HTML for a rich-text
// view, symbolic or with the parameters' values in.

#include <string>
#include <vector>

#include "equations/analysis.h"
#include "equations/equation_system.h"

namespace vantor {

// dx/dt = f, y = g, what is left implicit, then the bond variables in
// causal order.
std::string equations_html(const equations::EquationSystem& system,
                           const equations::Analysis& analysis, bool numeric);

// A, B, C and D and the poles with their natural frequency and damping;
// says why there are none for a system that is not linear.
std::string linear_html(const equations::EquationSystem& system,
                        const equations::Analysis& analysis, bool numeric);

// A polynomial in s from its coefficients, highest power first, with six
// significant digits: "s<sup>2</sup> + 100&nbsp;<i>s</i> + 10000".
std::string polynomial_html(const std::vector<double>& coefficients);

// "G(s) = " and a fraction, as a row of a table.
std::string transfer_row(const std::string& fraction);

}  // namespace vantor
