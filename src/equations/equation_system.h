#pragma once

// The state equations of a causal bond graph, as GiNaC expressions.

#include <ginac/ginac.h>

#include <optional>
#include <string>
#include <vector>

#include "model/model.h"

namespace vantor::equations {

struct Parameter {
    std::string name;             // identifier, unique in the model (caption or TYPE+element: C5)
    int element = 0;              // 1..nobj
    int index = 1;                // 1: first parameter, 2: second
    std::string text;             // the parameter text as typed ("0.2/(1000*9.81)")
    std::optional<double> value;  // its value; none when it names an unknown variable
    GiNaC::symbol symbol;
};

enum class StateKind { kQ, kP, kIntegrator };

struct State {
    std::string name;  // "q5", "p3", "x7"
    int element = 0;
    StateKind kind = StateKind::kQ;
    GiNaC::ex initial;  // the element's second parameter (symbolic), 0 when absent
    GiNaC::symbol symbol;
};

struct Input {
    std::string name;  // "V" (caption) or "Se1", "step7"
    int element = 0;
    std::string value;     // as in JSON: "12", "(t>=0.2)*5"
    GiNaC::ex expression;  // function of t and parameters
    GiNaC::symbol symbol;  // u as a symbol in f and g
};

struct Output {
    std::string name;  // "9scope/1 (scope)", as vantor-cli simulate's CSV column
    int element = 0;   // the Scope
    int port = 1;
};

struct EquationSystem {
    GiNaC::symbol t{"t"};
    std::vector<Parameter> parameters;
    std::vector<State> states;
    std::vector<Input> inputs;
    std::vector<Output> outputs;
    // Bond variables in causal order: e1 = ..., f1 = ... (for reading).
    std::vector<std::pair<std::string, GiNaC::ex>> bond_equations;
    std::vector<GiNaC::ex> derivatives;  // dx/dt = f(x, u, t), one per state
    std::vector<GiNaC::ex> outputs_eq;   // y = g(x, u, t), one per output
    // 0 = h(...) left implicit (a loop not linear in its unknowns); empty when solved.
    std::vector<GiNaC::ex> implicit;
    std::vector<std::string> notes;  // derivative causality, implicit loops, missing values
};

// Throws EquationError (a std::runtime_error) with Generate's message when a
// bond has no causality, and for what cannot be derived.
EquationSystem derive_equations(const Model& model);

}  // namespace vantor::equations
