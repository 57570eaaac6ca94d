#pragma once

// The state equations of a causal bond graph, as GiNaC expressions.
//
// Conventions. Every element law is written in its bond's own variables, as
// the generated diagram builds it, whichever way the bond's half-arrow
// points: bond j carries e<j> and f<j>. Comparisons and the Fcn block's
// functions that GiNaC lacks are the functions of equations/fcn_functions.h:
// `(a>=b)` gives 1 or 0 and its derivative is taken as 0.
//
// Names. An element's own name is its caption when that is an identifier no
// other caption repeats (and not a name of the equations: t, u, s, pi, the
// Fcn functions, e3, f3, q5, p5, x7, y7), else its type's letters and its
// number (C5, R12, step7, sine3, const4). A parameter takes the element's
// name; an initial value (C, I, int) that name with _0; a source's
// parameters are its input's: _val (Se, Sf, cst), _time and _final (stp),
// _amp and _freq (sin). States are q<n>, p<n>, x<n>; bond variables e<j>,
// f<j>; a signal block's output y<n>. A storage element in derivative
// causality has no state: in `bond_equations` it imposes the symbol
// "dq<n>/dt" or "dp<n>/dt", solved away in `derivatives` and `outputs_eq`.

#include <ginac/ginac.h>

#include <optional>
#include <stdexcept>
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
    // The element's second parameter (symbolic), 0 when absent; an
    // integrator's only parameter, as its template reads it.
    GiNaC::ex initial;
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

// What stops a derivation: a bond without causality (Generate's message), an
// element whose law is not known, a causality an element's law cannot take.
class EquationError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Throws EquationError (a std::runtime_error) with Generate's message when a
// bond has no causality, and for what cannot be derived.
EquationSystem derive_equations(const Model& model);

}  // namespace vantor::equations
