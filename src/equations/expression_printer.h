#pragma once

// Expressions as text for people and programs. The plain syntax is the Fcn
// language's: + - * / ^, parentheses, its functions, comparisons giving 1 or
// 0, t and the model's names. Terms and factors come out sorted by their own
// text, so the output does not depend on GiNaC's per-session term order.

#include <ginac/ginac.h>

#include <string>

namespace vantor::equations {

std::string print_expression(const GiNaC::ex& e);
std::string print_latex(const GiNaC::ex& e);

// A name as LaTeX math: trailing digits as a subscript, several letters upright
// in italics as one word ("q5" -> "q_{5}", "La" -> "\mathit{La}").
std::string latex_name(const std::string& name);

// The shortest text that reads back as the same double ("0.1", "1e-05").
std::string format_number(double value);

// A real number's magnitude as the printers show it: integers and fractions
// exactly, other numbers by format_number ("1 \\cdot 10^{-5}" in LaTeX).
std::string number_magnitude(const GiNaC::numeric& n, bool latex);

}  // namespace vantor::equations
