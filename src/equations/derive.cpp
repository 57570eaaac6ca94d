#include "equations/element_laws.h"
#include "equations/reduction.h"
#include "model/element_kinds.h"
#include "simulink/generate.h"

namespace vantor::equations {

namespace {

bool is_one_port(const std::string& type) {
    return type == "Se_" || type == "Sf_" || type == "MSe" || type == "MSf" || type == "C__" ||
           type == "I__" || type == "R__" || type == "De_" || type == "Df_";
}

// Every input of every Scope, named as the simulation's CSV columns.
void name_outputs(Derivation& d) {
    std::size_t scope = 0;
    for (int n = 1; n <= d.model.nobj; ++n) {
        if (!(d.model.objs[n].type == "sco")) continue;
        const std::string caption = d.model.objs[n].caption.trimmed();
        const std::size_t width = d.scope_inputs[scope++].size();
        for (std::size_t k = 1; k <= width; ++k) {
            d.system.outputs.push_back(
                {std::to_string(n) + "scope/" + std::to_string(k) + " (" + caption + ")", n,
                 static_cast<int>(k)});
        }
    }
}

}  // namespace

EquationSystem derive_equations(const Model& model) {
    for (int j = 1; j <= model.nlin; ++j) {
        if (model.lines[j].causa == 0) throw EquationError(kNotCausalMessage);
    }
    for (int n = 1; n <= model.nobj; ++n) {
        const std::string type = model.objs[n].type.trimmed();
        if (!known_type(type))
            throw EquationError("Element " + element_label(model, n) + " is of type " + type +
                                ", whose law the equations do not know");
    }
    Derivation d(model);
    d.effort.assign(static_cast<std::size_t>(model.nlin) + 1, -1);
    d.flow.assign(static_cast<std::size_t>(model.nlin) + 1, -1);
    for (int j = 1; j <= model.nlin; ++j) {
        const LineRecord& b = model.lines[j];
        if (b.causa != 1 && b.causa != 2) continue;
        if (!in_model(model, b.obj1) || !in_model(model, b.obj2)) continue;
        d.effort[j] = d.add_unknown("e" + std::to_string(j), 0);
        d.flow[j] = d.add_unknown("f" + std::to_string(j), 0);
    }
    for (int n = 1; n <= model.nobj; ++n) declare_element(d, n);
    for (int n = 1; n <= model.nobj; ++n) {
        const ObjRecord& o = model.objs[n];
        const std::string type = o.type.trimmed();
        if (is_junction(o))
            junction_law(d, n);
        else if (is_transformer(o) || is_gyrator(o))
            two_port_law(d, n);
        else if (is_one_port(type))
            one_port_law(d, n);
        else
            signal_law(d, n);
    }
    for (const Unknown& u : d.unknowns) {
        if (!u.defined)
            throw EquationError("Causality error: no element imposes " + u.name +
                                "; check the elements at the ends of its bond");
    }
    name_outputs(d);
    reduce(d, resolve_unknowns(d));
    return std::move(d.system);
}

}  // namespace vantor::equations
