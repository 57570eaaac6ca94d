#pragma once

#include <ginac/ginac.h>

#include <string_view>
#include <vector>

namespace vantor::equations {

// A number as GiNaC keeps it: whole numbers exact, others as floating point.
GiNaC::ex number(double value);

// A Fcn block's expression of its input u (u(i) the i-th element of `u`) as
// a GiNaC expression, read by the simulator's own parser. Throws
// std::runtime_error with the parser's message, or when it reads an element
// that `u` does not have.
GiNaC::ex fcn_expression(std::string_view text, const std::vector<GiNaC::ex>& u);

}  // namespace vantor::equations
