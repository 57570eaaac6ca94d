// The symbols each element owns: parameters, states, inputs, outputs.
#include <charconv>
#include <set>

#include "equations/element_laws.h"
#include "equations/fcn_functions.h"
#include "equations/parameters.h"

namespace vantor::equations {

namespace {

// A parameter text as part of a longer expression: a number or a name as it
// is, anything else in parentheses.
std::string operand(const std::string& text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto read = std::from_chars(text.data(), end, value);
    if (is_identifier(text) || (!text.empty() && read.ec == std::errc() && read.ptr == end))
        return text;
    return "(" + text + ")";
}

void add_state(Derivation& d, int n, StateKind kind, const GiNaC::ex& initial) {
    static const char* const letters[] = {"q", "p", "x"};
    State s;
    s.name = d.names.claim(letters[static_cast<int>(kind)] + std::to_string(n));
    s.element = n;
    s.kind = kind;
    s.initial = initial;
    s.symbol = GiNaC::symbol(s.name);
    d.state_of[n] = static_cast<int>(d.system.states.size());
    d.system.states.push_back(s);
    d.rates.push_back(0);
}

void add_input(Derivation& d, int n, const std::string& value, const GiNaC::ex& expression) {
    Input in;
    in.name = d.names.base(n);
    in.element = n;
    in.value = value;
    in.expression = expression;
    in.symbol = GiNaC::symbol(in.name);
    d.input_of[n] = static_cast<int>(d.system.inputs.size());
    d.system.inputs.push_back(in);
}

GiNaC::ex parameter(Derivation& d, int n, int index, const std::string& suffix,
                    bool initial = false) {
    const std::string name =
        suffix.empty() ? d.names.base(n) : d.names.claim(d.names.base(n) + suffix);
    GiNaC::ex symbol = add_parameter(d.system, d.model, n, index, name, initial);
    d.params[n].push_back(symbol);
    return symbol;
}

void storage(Derivation& d, int n, bool is_c) {
    parameter(d, n, 1, "");
    const GiNaC::ex initial = parameter(d, n, 2, "_0", true);
    const int j = single_bond(d, n);
    if (j == 0) return;
    // A C stores in integral causality when it gives effort, an I when it takes it.
    if (gives_effort(d.model, j, n) == is_c) {
        add_state(d, n, is_c ? StateKind::kQ : StateKind::kP, initial);
        return;
    }
    Dependent dep;
    dep.element = n;
    dep.rate = GiNaC::symbol(std::string(is_c ? "dq" : "dp") + std::to_string(n) + "/dt");
    dep.coefficient = d.param(n, 1);
    dep.variable = is_c ? d.e(j) : d.f(j);
    d.dependents.push_back(dep);
}

std::string text(const Derivation& d, int n, int index) {
    const ObjRecord& o = d.model.objs[n];
    return field_text(index == 1 ? o.parameters : o.parameter2);
}

}  // namespace

bool known_type(const std::string& type) {
    static const std::set<std::string> types = {
        "Se",  "Sf",  "MSe", "MSf", "C",   "I",   "R",   "De",  "Df",  "TRF",
        "MTF", "GYR", "MGY", "000", "111", "cst", "stp", "sin", "gai", "sum",
        "prd", "fcn", "mux", "dem", "int", "sco", "con", "Tex", "sys"};
    std::string letters = type;
    while (!letters.empty() && letters.back() == '_') letters.pop_back();
    return types.count(letters) != 0;
}

int single_bond(const Derivation& d, int n) {
    const std::vector<int> bonds = power_bonds(d.model, n);
    if (bonds.size() > 1)
        throw EquationError("Element " + d.label(n) + " has " + std::to_string(bonds.size()) +
                            " bonds; its law takes one");
    return bonds.empty() ? 0 : bonds[0];
}

void declare_element(Derivation& d, int n) {
    const std::string type = d.model.objs[n].type.trimmed();
    if (type == "C__" || type == "I__") return storage(d, n, type == "C__");
    if (type == "R__" || type == "TRF" || type == "GYR" || type == "gai") {
        parameter(d, n, 1, "");
    } else if (type == "int") {
        add_state(d, n, StateKind::kIntegrator, parameter(d, n, 1, "_0", true));
    } else if (type == "Se_" || type == "Sf_" || type == "cst") {
        add_input(d, n, text(d, n, 1), parameter(d, n, 1, "_val"));
    } else if (type == "stp") {
        const GiNaC::ex time = parameter(d, n, 1, "_time");
        const GiNaC::ex final_value = parameter(d, n, 2, "_final");
        add_input(d, n, "(t>=" + operand(text(d, n, 1)) + ")*" + operand(text(d, n, 2)),
                  fcn_ge(d.system.t, time) * final_value);
    } else if (type == "sin") {
        const GiNaC::ex amplitude = parameter(d, n, 1, "_amp");
        const GiNaC::ex frequency = parameter(d, n, 2, "_freq");
        add_input(d, n, operand(text(d, n, 1)) + "*sin(" + operand(text(d, n, 2)) + "*t)",
                  amplitude * GiNaC::sin(frequency * d.system.t));
    }
    if (type == "gai" || type == "sum" || type == "prd" || type == "fcn")
        d.block_output[n] = d.add_unknown("y" + std::to_string(n), n);
}

}  // namespace vantor::equations
