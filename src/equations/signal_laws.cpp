// Signal links and the signal blocks: what each output carries.
#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "equations/element_laws.h"
#include "equations/fcn_to_ginac.h"
#include "model/element_kinds.h"

namespace vantor::equations {

namespace {

using Signal = std::vector<GiNaC::ex>;

int port_number(const ObjRecord& port) {
    return port.auxil3 == 0 ? 1 : port.auxil3;  // as generation numbers them
}

// A block's port count from its parameter, as the simulator reads it.
int count(const Derivation& d, int n) {
    const std::string text = field_text(d.model.objs[n].parameters);
    const bool digits =
        !text.empty() && text.size() <= 4 && std::all_of(text.begin(), text.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c));
        });
    if (!digits || std::stoi(text) < 1)
        throw EquationError("Element " + d.label(n) + ": '" + text + "' is not a port count");
    return std::stoi(text);
}

// A sum's signs: "+-" as typed, or a count of plus signs.
std::string signs(const Derivation& d, int n) {
    const std::string text = field_text(d.model.objs[n].parameters);
    if (!text.empty() && std::isdigit(static_cast<unsigned char>(text[0])))
        return std::string(static_cast<std::size_t>(count(d, n)), '+');
    std::string out;
    for (char c : text) {
        if (c == '|') continue;
        if (c != '+' && c != '-')
            throw EquationError("Element " + d.label(n) + ": '" + text + "' is not a sign list");
        out += c;
    }
    if (out.empty()) throw EquationError("Element " + d.label(n) + " has no sign");
    return out;
}

Signal input_at(const Derivation& d, int block, int port, int depth);

// Output `port` of element `n`. Mux and Demux only pass their inputs on.
Signal output_of(const Derivation& d, int n, int port, int depth) {
    if (depth > d.model.nobj)
        throw EquationError("Element " + d.label(n) + " is in a loop of mux and demux blocks");
    const std::string type = d.model.objs[n].type.trimmed();
    if (type == "De_" || type == "Df_") {
        const int j = single_bond(d, n);
        if (j == 0) return {0};
        return {type == "De_" ? d.e(j) : d.f(j)};
    }
    if (const auto in = d.input_of.find(n); in != d.input_of.end())
        return {d.system.inputs[static_cast<std::size_t>(in->second)].symbol};
    if (const auto s = d.state_of.find(n); s != d.state_of.end())
        return {d.system.states[static_cast<std::size_t>(s->second)].symbol};
    if (const auto y = d.block_output.find(n); y != d.block_output.end())
        return {d.unknowns[static_cast<std::size_t>(y->second)].symbol};
    if (type == "mux") {
        Signal out;
        for (int k = 1; k <= count(d, n); ++k) {
            const Signal part = input_at(d, n, k, depth + 1);
            out.insert(out.end(), part.begin(), part.end());
        }
        return out;
    }
    if (type == "dem") {
        const Signal in = input_at(d, n, 1, depth + 1);
        const auto outputs = static_cast<std::size_t>(count(d, n));
        if (in.size() % outputs != 0)
            throw EquationError("Element " + d.label(n) + " cannot split " +
                                std::to_string(in.size()) + " elements");
        const std::size_t width = in.size() / outputs;
        const auto k = static_cast<std::size_t>(port - 1);
        if (k >= outputs) return {0};
        return Signal(in.begin() + static_cast<std::ptrdiff_t>(k * width),
                      in.begin() + static_cast<std::ptrdiff_t>((k + 1) * width));
    }
    return {0};
}

// The link that ends at the input port, the last one in bond order, traced
// back through its connection points to the output port it starts from.
Signal input_at(const Derivation& d, int block, int port, int depth) {
    const Model& m = d.model;
    int source = 0;
    for (int j = 1; j <= m.nlin; ++j) {
        const LineRecord& link = m.lines[j];
        if (link.causa != kSignalLink || !in_model(m, link.obj2)) continue;
        const ObjRecord& end = m.objs[link.obj2];
        if (is_con(end) && end.signout == 0 && end.auxil2 == block && port_number(end) == port)
            source = link.obj1;
    }
    for (int steps = 0; in_model(m, source) && steps < m.nobj; ++steps) {
        const int owner = m.objs[source].auxil2;
        if (!in_model(m, owner) || !is_con(m.objs[owner])) break;
        source = owner;
    }
    if (!in_model(m, source) || !in_model(m, m.objs[source].auxil2)) return {0};
    return output_of(d, m.objs[source].auxil2, port_number(m.objs[source]), depth);
}

GiNaC::ex scalar(const Derivation& d, int n, int port) {
    const Signal u = input_at(d, n, port, 0);
    if (u.size() != 1) throw EquationError("Element " + d.label(n) + " gets a vector signal");
    return u[0];
}

}  // namespace

std::vector<GiNaC::ex> signal_input(const Derivation& d, int block, int port) {
    return input_at(d, block, port, 0);
}

void signal_law(Derivation& d, int n) {
    const std::string type = d.model.objs[n].type.trimmed();
    if (type == "sco") {
        d.scope_inputs.push_back(signal_input(d, n, 1));
        return;
    }
    if (type == "int") {
        d.rates[static_cast<std::size_t>(d.state_of.at(n))] = scalar(d, n, 1);
        return;
    }
    const auto y = d.block_output.find(n);
    if (y == d.block_output.end()) return;
    GiNaC::ex value;
    if (type == "gai") {
        value = d.param(n, 1) * scalar(d, n, 1);
    } else if (type == "sum") {
        const std::string s = signs(d, n);
        value = 0;
        for (std::size_t k = 0; k < s.size(); ++k) {
            const GiNaC::ex u = scalar(d, n, static_cast<int>(k) + 1);
            value += s[k] == '-' ? -u : u;
        }
    } else if (type == "prd") {
        value = scalar(d, n, 1) * scalar(d, n, 2);
    } else {
        try {
            value = fcn_expression(field_text(d.model.objs[n].parameters), signal_input(d, n, 1));
        } catch (const std::runtime_error& e) {
            throw EquationError("Element " + d.label(n) + ": " + e.what());
        }
    }
    d.define(y->second, value, n);
}

}  // namespace vantor::equations
