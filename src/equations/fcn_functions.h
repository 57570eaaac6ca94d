#pragma once

// The functions of the Fcn language that GiNaC does not have, as GiNaC
// functions. Comparisons and logical operators give 1 or 0, as in a Fcn
// block; they print as the Fcn language writes them, `(t>=T)`, `(a&&b)`,
// `(!a)`. Their derivative, and that of floor, ceil and sgn, is taken as 0:
// it is 0 wherever it exists, and a step's jump is not a rate.

#include <ginac/ginac.h>

namespace vantor::equations {

DECLARE_FUNCTION_2P(fcn_lt)
DECLARE_FUNCTION_2P(fcn_le)
DECLARE_FUNCTION_2P(fcn_gt)
DECLARE_FUNCTION_2P(fcn_ge)
DECLARE_FUNCTION_2P(fcn_eq)
DECLARE_FUNCTION_2P(fcn_ne)
DECLARE_FUNCTION_2P(fcn_and)
DECLARE_FUNCTION_2P(fcn_or)
DECLARE_FUNCTION_1P(fcn_not)
DECLARE_FUNCTION_1P(fcn_floor)
DECLARE_FUNCTION_1P(fcn_ceil)
DECLARE_FUNCTION_1P(fcn_sgn)
DECLARE_FUNCTION_2P(fcn_rem)  // remainder with the sign of the dividend

}  // namespace vantor::equations
