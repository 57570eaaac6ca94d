#include "editor/bond_rules.h"

#include "display/viewport.h"
#include "editor/hit_tests.h"
#include "model/element_kinds.h"

namespace vantor {

namespace {

bool junction_at(const Model& m, int i) {
    return in_model(m, i) && is_junction(m.objs[static_cast<std::size_t>(i)]);
}

}  // namespace

bool pointer_draws_bonds(const ModelWindow& window) {
    return window.MousePointer == kPointerCross || window.MousePointer == kPointerConnect;
}

bool bond_may_start(const ModelWindow& window) {
    const Model& m = window.model;
    return in_model(m, window.mouse.overobj) && m.nlin < kMaxBonds;
}

bool has_junction_end(const Model& m, int from, int to) {
    return junction_at(m, from) || junction_at(m, to);
}

bool bond_target_valid(const ModelWindow& window, int from, int to) {
    return to > 0 && to != from && !existe_linea(window, from, to) &&
           has_junction_end(window.model, from, to);
}

int bond_release_target(const ModelWindow& window) {
    return busca_objeto(window, window.Line1.x2, window.Line1.y2);
}

bool release_makes_bond(const ModelWindow& window, int target) {
    const Model& m = window.model;
    const int j = m.nlin;
    if (j < 1) return false;
    const LineRecord& bond = m.lines[static_cast<std::size_t>(j)];
    return target > 0 && target != bond.obj1 && window.MousePointer == kPointerConnect &&
           !existe_linea(window, bond.obj1, target) && in_model(m, bond.obj1);
}

}  // namespace vantor
