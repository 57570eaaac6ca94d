// dx/dt = f(x, u, t) and y = g(x, u, t), with dependent states solved for.
#include "equations/reduction.h"

namespace vantor::equations {

namespace {

using GiNaC::ex;

ex substituted(const ex& e, const GiNaC::exmap& values) {
    return e.subs(values, GiNaC::subs_options::no_pattern);
}

// The time derivative of `e`, a function of states, inputs and t, with the
// states' derivatives `rates`.
ex time_derivative(const Derivation& d, const ex& e, const std::vector<GiNaC::symbol>& rates) {
    ex out = e.diff(d.system.t);
    for (std::size_t i = 0; i < d.system.states.size(); ++i)
        out += e.diff(d.system.states[i].symbol) * rates[i];
    for (const Input& in : d.system.inputs)
        out += e.diff(in.symbol) * in.expression.diff(d.system.t);
    return out;
}

// Storage in derivative causality: solves E dx/dt = F for dx/dt and the
// dependent states' rates. Returns the rates' values.
GiNaC::exmap solve_dependent(Derivation& d, std::vector<ex>& f) {
    std::vector<GiNaC::symbol> rates;
    GiNaC::lst eqs, vars;
    for (std::size_t i = 0; i < d.system.states.size(); ++i) {
        rates.emplace_back("d" + d.system.states[i].name + "/dt");
        eqs.append(rates[i] == f[i]);
        vars.append(rates[i]);
    }
    std::string elements;
    for (const Dependent& dep : d.dependents) vars.append(dep.rate);
    for (const Dependent& dep : d.dependents)
        elements += (elements.empty() ? "" : ", ") + d.label(dep.element);
    for (const Dependent& dep : d.dependents) {
        for (const ex& other : vars) {
            if (dep.variable.has(other))
                throw EquationError("Element " + d.label(dep.element) +
                                    " is in derivative causality on a variable that itself "
                                    "depends on a rate: the equations cannot be made explicit");
        }
        eqs.append(dep.rate == dep.coefficient * time_derivative(d, dep.variable, rates));
    }
    if (!linear_in(eqs, vars))
        throw EquationError("The elements in derivative causality (" + elements +
                            ") give equations that are not linear in the rates");
    ex solution;
    try {
        solution = GiNaC::lsolve(eqs, vars);
    } catch (const std::exception&) {
        solution = GiNaC::lst{};
    }
    if (solution.nops() != vars.nops())
        throw EquationError("The elements in derivative causality (" + elements +
                            ") give equations without a single solution");
    GiNaC::exmap values;
    for (const ex& rel : solution) values[rel.lhs()] = rel.rhs();
    for (std::size_t i = 0; i < f.size(); ++i) f[i] = values[rates[i]].normal();
    const bool one = d.dependents.size() == 1;
    d.system.notes.push_back(
        std::string("Derivative causality: ") + (one ? "element " : "elements ") + elements +
        (one ? " has a dependent state" : " have dependent states") +
        "; the equations are solved for " + (one ? "it" : "them") + " exactly");
    return values;
}

}  // namespace

void reduce(Derivation& d, const GiNaC::exmap& values) {
    std::vector<ex> f;
    for (const ex& rate : d.rates) f.push_back(substituted(rate, values));
    std::vector<ex> y;
    for (const std::vector<ex>& scope : d.scope_inputs) {
        for (const ex& element : scope) y.push_back(substituted(element, values));
    }
    for (Dependent& dep : d.dependents) {
        dep.variable = substituted(dep.variable, values);
        // An unknown left in it belongs to a loop kept implicit: no rate of it is known.
        for (const Unknown& u : d.unknowns) {
            if (dep.variable.has(u.symbol))
                throw EquationError("Element " + d.label(dep.element) +
                                    " is in derivative causality on a nonlinear algebraic "
                                    "loop: the equations cannot be made explicit");
        }
    }
    if (!d.dependents.empty()) {
        const GiNaC::exmap rates = solve_dependent(d, f);
        for (ex& g : y) g = substituted(g, rates).normal();
        for (ex& h : d.system.implicit) h = substituted(h, rates);
    }
    for (const ex& e : f) d.system.derivatives.push_back(e.expand());
    for (const ex& e : y) d.system.outputs_eq.push_back(e.expand());
}

}  // namespace vantor::equations
