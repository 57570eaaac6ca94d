#pragma once

// The working state of one derivation, shared by the element laws and the
// reduction: the unknowns (bond variables and signal block outputs) with the
// one equation each gets from the element that imposes it.

#include <ginac/ginac.h>

#include <map>
#include <string>
#include <vector>

#include "equations/equation_system.h"
#include "equations/naming.h"
#include "model/model.h"

namespace vantor::equations {

struct Unknown {
    std::string name;  // e3, f3, y7
    GiNaC::symbol symbol;
    GiNaC::ex rhs;  // unknown = rhs
    bool defined = false;
    int element = 0;  // the element whose law defines it
};

// A storage element in derivative causality: its state is `coefficient`
// times `variable` (a bond variable), and `rate`, the state's derivative, is
// what it imposes on its bond.
struct Dependent {
    int element = 0;
    GiNaC::symbol rate;
    GiNaC::ex coefficient;
    GiNaC::ex variable;
};

struct Derivation {
    explicit Derivation(const Model& m) : model(m), names(m) {}

    const Model& model;
    Names names;
    EquationSystem system;
    std::vector<Unknown> unknowns;
    std::vector<int> effort, flow;                 // bond -> its unknowns, -1 for no power bond
    std::map<int, int> block_output;               // signal block -> its unknown
    std::map<int, int> state_of;                   // element -> its state
    std::map<int, int> input_of;                   // element -> its input
    std::map<int, std::vector<GiNaC::ex>> params;  // element -> its parameters' symbols
    std::vector<GiNaC::ex> rates;                  // per state: its derivative, unreduced
    std::vector<Dependent> dependents;
    std::vector<std::vector<GiNaC::ex>> scope_inputs;  // per Scope, its input's elements

    int add_unknown(const std::string& name, int element);
    // Gives unknown `u` its equation; a second one is a causality conflict.
    void define(int u, const GiNaC::ex& rhs, int element);
    GiNaC::ex e(int bond) const { return unknowns[effort[bond]].symbol; }
    GiNaC::ex f(int bond) const { return unknowns[flow[bond]].symbol; }
    GiNaC::ex param(int element, int index) const { return params.at(element)[index - 1]; }
    std::string label(int element) const { return element_label(model, element); }
};

// Whether element `n` gives effort on power bond `j` (the stroke is away from it).
bool gives_effort(const Model& model, int j, int n);

// The power bonds (causa 1 or 2) of element `n`, in bond order.
std::vector<int> power_bonds(const Model& model, int n);

}  // namespace vantor::equations
