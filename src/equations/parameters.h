#pragma once

#include <ginac/ginac.h>

#include <string>

#include "equations/equation_system.h"

namespace vantor::equations {

// Adds parameter `index` (1 or 2) of `element` under `name` to the system:
// its text, its value computed as MATLAB computes it, and its symbol, which
// is returned. A text that cannot be computed (it names an unknown variable)
// leaves the value empty and adds a note. An empty initial value is 0 and
// adds no parameter.
GiNaC::ex add_parameter(EquationSystem& system, const Model& model, int element, int index,
                        const std::string& name, bool initial = false);

}  // namespace vantor::equations
