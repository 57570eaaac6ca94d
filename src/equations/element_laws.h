#pragma once

#include "equations/derivation.h"

namespace vantor::equations {

// Whether the equations know the law of element type `type` (trimmed).
bool known_type(const std::string& type);

// The one power bond of a one-port element; 0 when it has none. Throws when
// it has more than one.
int single_bond(const Derivation& d, int n);

// First pass: the symbols an element owns, its parameters, state or
// dependent state, input and signal output.
void declare_element(Derivation& d, int n);

// Second pass: the equations an element's law gives.
void one_port_law(Derivation& d, int n);
void two_port_law(Derivation& d, int n);
void junction_law(Derivation& d, int n);
void signal_law(Derivation& d, int n);

// The value at input port `port` of signal block `block`: one expression per
// element of the signal, 0 when nothing is linked to it.
std::vector<GiNaC::ex> signal_input(const Derivation& d, int block, int port);

}  // namespace vantor::equations
