#pragma once

#include <ginac/ginac.h>

#include "equations/derivation.h"

namespace vantor::equations {

// Whether equations `eqs` (relations) are linear in `vars`: polynomial in
// them, of degree one, with no product of two of them.
bool linear_in(const GiNaC::lst& eqs, const GiNaC::lst& vars);

// Solves the unknowns in causal order: each one's value in states, inputs, t
// and parameters (and the rates of dependent states). Loops are solved
// exactly when linear, else kept in `system.implicit`. Fills
// `system.bond_equations` in the order solved and the notes on loops.
GiNaC::exmap resolve_unknowns(Derivation& d);

// dx/dt and y from the resolved values; with storage in derivative
// causality, the linear system E dx/dt = F solved for dx/dt.
void reduce(Derivation& d, const GiNaC::exmap& values);

}  // namespace vantor::equations
