#pragma once

// Equation systems built by hand, as the derivation would give them.

#include <optional>
#include <string>

#include "equations/equation_system.h"

namespace vantor::equations::test {

inline Parameter parameter(const std::string& name, int element, std::optional<double> value,
                           const std::string& text) {
    return {name, element, 1, text, value, GiNaC::symbol(name)};
}

inline State state(const std::string& name, int element, StateKind kind) {
    return {name, element, kind, 0, GiNaC::symbol(name)};
}

inline Input input(const std::string& name, int element, const std::string& value) {
    return {name, element, value, 0, GiNaC::symbol(name)};
}

// Force F (1) on mass m (2), spring k (3), damper b (4); the scope (5) shows
// the velocity p2/m. m = 2, k = 50, b = 4: wn = 5, zeta = 0.2.
inline EquationSystem mass_spring_damper() {
    EquationSystem s;
    s.parameters = {parameter("m", 2, 2, "2"), parameter("k", 3, 50, "50"),
                    parameter("b", 4, 4, "4")};
    s.states = {state("p2", 2, StateKind::kP), state("q3", 3, StateKind::kQ)};
    s.inputs = {input("F", 1, "1")};
    s.outputs = {{"5scope/1 (scope)", 5, 1}};
    const GiNaC::ex m = s.parameters[0].symbol, k = s.parameters[1].symbol;
    const GiNaC::ex b = s.parameters[2].symbol;
    const GiNaC::ex p = s.states[0].symbol, q = s.states[1].symbol, F = s.inputs[0].symbol;
    s.derivatives = {F - k * q - b * p / m, p / m};
    s.outputs_eq = {p / m};
    return s;
}

// Source V (1), inductor L (2), resistor R (3), capacitor C (4); the scope (5)
// shows the capacitor's voltage. L = 0.1, R = 10, C = 1e-3: wn = 100, zeta = 0.5.
inline EquationSystem series_rlc() {
    EquationSystem s;
    s.parameters = {parameter("L", 2, 0.1, "0.1"), parameter("R", 3, 10, "10"),
                    parameter("C", 4, 1e-3, "1e-3")};
    s.states = {state("p2", 2, StateKind::kP), state("q4", 4, StateKind::kQ)};
    s.inputs = {input("V", 1, "12")};
    s.outputs = {{"5scope/1 (scope)", 5, 1}};
    const GiNaC::ex L = s.parameters[0].symbol, R = s.parameters[1].symbol;
    const GiNaC::ex C = s.parameters[2].symbol;
    const GiNaC::ex p = s.states[0].symbol, q = s.states[1].symbol, V = s.inputs[0].symbol;
    s.derivatives = {V - R * p / L - q / C, p / L};
    s.outputs_eq = {q / C};
    return s;
}

}  // namespace vantor::equations::test
