// The laws of the one-port and two-port elements, in their bonds' variables.
#include "equations/element_laws.h"

namespace vantor::equations {

namespace {

[[noreturn]] void wrong_causality(const Derivation& d, int n) {
    throw EquationError("Causality error: element " + d.label(n) +
                        " has a causality its law does not allow");
}

GiNaC::ex scalar_input(const Derivation& d, int n) {
    const std::vector<GiNaC::ex> u = signal_input(d, n, 1);
    if (u.size() != 1) throw EquationError("Element " + d.label(n) + " gets a vector signal");
    return u[0];
}

GiNaC::ex input_symbol(const Derivation& d, int n) {
    return d.system.inputs[static_cast<std::size_t>(d.input_of.at(n))].symbol;
}

GiNaC::ex state_symbol(const Derivation& d, int n) {
    return d.system.states[static_cast<std::size_t>(d.state_of.at(n))].symbol;
}

void storage_law(Derivation& d, int n, int j, bool is_c) {
    const auto state = d.state_of.find(n);
    if (state == d.state_of.end()) {
        // Derivative causality: it imposes its state's rate.
        for (const Dependent& dep : d.dependents) {
            if (dep.element == n) d.define(is_c ? d.flow[j] : d.effort[j], dep.rate, n);
        }
        return;
    }
    const GiNaC::ex value = state_symbol(d, n) / d.param(n, 1);
    d.define(is_c ? d.effort[j] : d.flow[j], value, n);
    d.rates[static_cast<std::size_t>(state->second)] = is_c ? d.f(j) : d.e(j);
}

}  // namespace

void one_port_law(Derivation& d, int n) {
    const std::string type = d.model.objs[n].type.trimmed();
    const int j = single_bond(d, n);
    if (j == 0) {
        d.system.notes.push_back("Element " + d.label(n) +
                                 " has no bond: it is left out of the equations");
        return;
    }
    const bool effort_out = gives_effort(d.model, j, n);
    if (type == "C__" || type == "I__") return storage_law(d, n, j, type == "C__");
    if (type == "R__") {
        if (effort_out)
            d.define(d.effort[j], d.param(n, 1) * d.f(j), n);
        else
            d.define(d.flow[j], d.e(j) / d.param(n, 1), n);
        return;
    }
    // Sources impose one variable; sensors impose 0 on the other one.
    const bool wants_effort_out = type == "Se_" || type == "MSe" || type == "Df_";
    if (effort_out != wants_effort_out) wrong_causality(d, n);
    const int imposed = effort_out ? d.effort[j] : d.flow[j];
    if (type == "Se_" || type == "Sf_")
        d.define(imposed, input_symbol(d, n), n);
    else if (type == "MSe" || type == "MSf")
        d.define(imposed, scalar_input(d, n), n);
    else
        d.define(imposed, 0, n);
}

// Bond 1 enters the element and bond 2 leaves it. A transformer passes the
// effort straight through (e1 = m*e2, f2 = m*f1), a gyrator turns flow into
// effort (e1 = m*f2, e2 = m*f1), as the templates build them.
void two_port_law(Derivation& d, int n) {
    const std::string type = d.model.objs[n].type.trimmed();
    const std::vector<int> bonds = power_bonds(d.model, n);
    int in = 0, out = 0, count_in = 0, count_out = 0;
    for (int j : bonds) {
        if (d.model.lines[j].obj1 == n && d.model.lines[j].obj2 == n) break;
        if (d.model.lines[j].obj2 == n) in = j, ++count_in;
        if (d.model.lines[j].obj1 == n) out = j, ++count_out;
    }
    if (count_in != 1 || count_out != 1)
        throw EquationError("Element " + d.label(n) +
                            " needs two bonds, one entering it and one leaving it");
    const GiNaC::ex m = type == "TRF" || type == "GYR" ? d.param(n, 1) : scalar_input(d, n);
    const bool out1 = gives_effort(d.model, in, n);
    const bool out2 = gives_effort(d.model, out, n);
    if (type == "TRF" || type == "MTF") {
        if (out1 == out2) wrong_causality(d, n);
        if (out1) {
            d.define(d.effort[in], m * d.e(out), n);
            d.define(d.flow[out], m * d.f(in), n);
        } else {
            d.define(d.effort[out], d.e(in) / m, n);
            d.define(d.flow[in], d.f(out) / m, n);
        }
        return;
    }
    if (out1 != out2) wrong_causality(d, n);
    if (out1) {
        d.define(d.effort[in], m * d.f(out), n);
        d.define(d.effort[out], m * d.f(in), n);
    } else {
        d.define(d.flow[in], d.e(out) / m, n);
        d.define(d.flow[out], d.e(in) / m, n);
    }
}

// A 0-junction shares the effort of its strong bond (the one that gives it
// effort) and gives it the signed sum of the other flows; a 1-junction the
// same with flow and effort exchanged. A bond counts + leaving the junction
// when the strong bond enters it, and the other way round.
void junction_law(Derivation& d, int n) {
    const bool zero = d.model.objs[n].type == "000";
    const std::vector<int> bonds = power_bonds(d.model, n);
    if (bonds.empty()) return;
    std::vector<int> strong;
    for (int j : bonds) {
        if (d.model.lines[j].obj1 == n && d.model.lines[j].obj2 == n)
            throw EquationError("Element " + d.label(n) + " has a bond to itself");
        if (gives_effort(d.model, j, n) != zero) strong.push_back(j);
    }
    if (strong.size() != 1)
        throw EquationError("Causality error: junction " + d.label(n) + " has " +
                            std::to_string(strong.size()) + " bonds that fix its common " +
                            (zero ? "effort" : "flow") + "; it needs exactly one");
    const int s = strong[0];
    const int sign_strong = d.model.lines[s].obj2 == n ? 1 : -1;
    GiNaC::ex sum = 0;
    for (int w : bonds) {
        if (w == s) continue;
        const int sign = (d.model.lines[w].obj1 == n ? 1 : -1) * sign_strong;
        if (zero) {
            d.define(d.effort[w], d.e(s), n);
            sum += sign * d.f(w);
        } else {
            d.define(d.flow[w], d.f(s), n);
            sum += sign * d.e(w);
        }
    }
    d.define(zero ? d.flow[s] : d.effort[s], sum, n);
}

}  // namespace vantor::equations
