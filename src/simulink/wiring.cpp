#include "simulink/wiring.h"

#include "model/element_kinds.h"

namespace vantor {
namespace {

// The column in which an element puts its output on a bond with this causa.
int output_column(int causa) {
    return causa == 2 ? 0 : 2;
}

// The causa of a junction's strong bond, from the end of it the junction is.
int strong_bond_causa(const ObjRecord& junction) {
    const bool first = junction.strongfirst != 0;
    return is_zero_junction(junction) == first ? 2 : 1;
}

}  // namespace

Wiring::Wiring(Model& model, PortTables& ports, std::string lin_cod)
    : model_(model),
      ports_(ports),
      lin_cod_(std::move(lin_cod)),
      input_counter_(kTableSlots, 1),
      signal_offset_(kTableSlots, 0) {}

void Wiring::append_lines(std::string& out) {
    resolve_variables();
    for (int j = 1; j <= model_.nlin; ++j) {
        if (model_.lines[j].causa == 4)
            signal_line(j, out);
        else
            bond_lines(j, out);
    }
}

void Wiring::resolve_variables() {
    for (int n = 1; n <= model_.nobj; ++n) {
        const auto e = static_cast<std::size_t>(n);
        const std::string& signal = ports_.signal[e];
        input_counter_[e] = 1;
        signal_offset_[e] =
            !signal.empty() && (signal == ports_.effort[e][1] || signal == ports_.flow[e][1]);
        const ObjRecord& obj = model_.objs[n];
        if (is_zero_junction(obj)) follow_strong_bonds(n, ports_.effort);
        if (is_one_junction(obj)) follow_strong_bonds(n, ports_.flow);
    }
}

void Wiring::follow_strong_bonds(int n, std::vector<PortTables::Columns>& table) {
    const auto e = static_cast<std::size_t>(n);
    input_counter_[e] = 0;
    // Each step reads the partner's output column for the causa of the strong
    // bond that leads to it. A chain cannot be longer than the model unless
    // strong bonds go round in a circle.
    int from = n;
    int p = model_.objs[n].strongobj;
    for (int steps = 0; table[e][0].empty() && in_model(model_, p) && steps < model_.nobj;
         ++steps) {
        const int k = output_column(strong_bond_causa(model_.objs[from]));
        table[e][0] = table[static_cast<std::size_t>(p)][static_cast<std::size_t>(k)];
        table[e][2] = table[e][0];
        ports_.signal[e] = table[e][0];
        from = p;
        p = model_.objs[p].strongobj;
    }
}

void Wiring::bond_lines(int j, std::string& out) {
    const LineRecord& bond = model_.lines[j];
    const int a = bond.obj1;
    const int b = bond.obj2;
    if ((bond.causa != 1 && bond.causa != 2) || !in_model(model_, a) || !in_model(model_, b))
        return;
    const ObjRecord& oa = model_.objs[a];
    const ObjRecord& ob = model_.objs[b];
    const auto ea = static_cast<std::size_t>(a);
    const auto eb = static_cast<std::size_t>(b);
    if (bond.causa == 1) {
        // obj1 gives effort to obj2 and takes flow back.
        if (is_zero_junction(oa) && oa.strongobj != b) ++input_counter_[ea];
        if (is_one_junction(ob) && ob.strongobj != a) ++input_counter_[eb];
        agregar_linea(out, lin_cod_, ports_.effort[ea][2], ports_.effort[eb][3], 1,
                      input_counter_[eb]);
        agregar_linea(out, lin_cod_, ports_.flow[eb][2], ports_.flow[ea][3], 1, input_counter_[ea]);
    } else {
        if (is_one_junction(oa) && oa.strongobj != b) ++input_counter_[ea];
        if (is_zero_junction(ob) && ob.strongobj != a) ++input_counter_[eb];
        agregar_linea(out, lin_cod_, ports_.flow[ea][0], ports_.flow[eb][1], 1, input_counter_[eb]);
        agregar_linea(out, lin_cod_, ports_.effort[eb][0], ports_.effort[ea][1], 1,
                      input_counter_[ea]);
    }
}

void Wiring::signal_line(int j, std::string& out) {
    const LineRecord& bond = model_.lines[j];
    const int b = bond.obj2;
    // One line per connection: the link that ends at the input port.
    if (!in_model(model_, b) || model_.objs[b].signout != 0) return;
    const int t = model_.objs[b].auxil2;
    int d = model_.objs[b].auxil3;
    int s = bond.obj1;
    // Back through the connection points to the output port.
    for (int steps = 0; in_model(model_, s) && steps < model_.nobj; ++steps) {
        const int owner = model_.objs[s].auxil2;
        if (!in_model(model_, owner) || !is_con(model_.objs[owner])) break;
        s = owner;
    }
    if (!in_model(model_, s) || !in_model(model_, t)) return;
    const int q = model_.objs[s].auxil3;
    s = model_.objs[s].auxil2;
    if (!in_model(model_, s)) return;
    d += signal_offset_[static_cast<std::size_t>(t)];
    agregar_linea(out, lin_cod_, ports_.signal[static_cast<std::size_t>(s)],
                  ports_.signal[static_cast<std::size_t>(t)], q, d);
}

void agregar_linea(std::string& out, std::string_view lin_cod, const std::string& block1,
                   const std::string& block2, int con1, int con2) {
    if (block1.empty() || block2.empty()) return;
    bool inside = false;
    std::string placeholder;
    for (char c : lin_cod) {
        if (c != '#') {
            (inside ? placeholder : out) += c;
            continue;
        }
        if (inside) {
            if (placeholder == "block1")
                out += block1;
            else if (placeholder == "block2")
                out += block2;
            else if (placeholder == "con1")
                out += std::to_string(con1);
            else if (placeholder == "con2")
                out += std::to_string(con2);
        }
        inside = !inside;
        placeholder.clear();
    }
}

}  // namespace vantor
