#pragma once

// Everything the formats show beside the equations: linearity, the matrices
// and, where the parameters allow, their numbers and the poles.

#include <optional>
#include <string>
#include <vector>

#include "equations/equation_system.h"
#include "equations/linear_analysis.h"
#include "equations/numeric_values.h"
#include "equations/poles.h"

namespace vantor::equations {

struct Analysis {
    LinearSystem linear;
    std::optional<NumericMatrices> numeric;  // none when not linear or not numeric
    std::string numeric_problem;             // why `numeric` is none
    std::vector<Pole> poles;                 // of numeric->A
    ParameterValues values;
};

Analysis analyse(const EquationSystem& system);

// The system's notes, then why there are no matrices or no numbers.
std::vector<std::string> all_notes(const EquationSystem& system, const Analysis& analysis);

// What the formats print for `e`: itself, or with the parameter values in.
GiNaC::ex shown(const Analysis& analysis, const GiNaC::ex& e, bool numeric);

// "q" "p" "int".
const char* kind_name(StateKind kind);

}  // namespace vantor::equations
