#include "equations/derivation.h"

#include "model/element_kinds.h"

namespace vantor::equations {

int Derivation::add_unknown(const std::string& name, int element) {
    Unknown u;
    u.name = names.claim(name);
    u.symbol = GiNaC::symbol(u.name);
    u.element = element;
    unknowns.push_back(u);
    return static_cast<int>(unknowns.size()) - 1;
}

void Derivation::define(int u, const GiNaC::ex& rhs, int element) {
    Unknown& unknown = unknowns[static_cast<std::size_t>(u)];
    if (unknown.defined)
        throw EquationError("Causality error: " + unknown.name + " is imposed by both element " +
                            label(unknown.element) + " and element " + label(element));
    unknown.rhs = rhs;
    unknown.defined = true;
    unknown.element = element;
}

bool gives_effort(const Model& model, int j, int n) {
    const LineRecord& b = model.lines[j];
    return (b.causa == 1 && b.obj1 == n) || (b.causa == 2 && b.obj2 == n);
}

std::vector<int> power_bonds(const Model& model, int n) {
    std::vector<int> bonds;
    for (int j = 1; j <= model.nlin; ++j) {
        const LineRecord& b = model.lines[j];
        if ((b.causa == 1 || b.causa == 2) && (b.obj1 == n || b.obj2 == n) &&
            in_model(model, b.obj1) && in_model(model, b.obj2))
            bonds.push_back(j);
    }
    return bonds;
}

}  // namespace vantor::equations
