#include "causality/strong_bonds.h"

#include "model/element_kinds.h"

namespace vantor {
namespace {

// Bond j's rule for those of its ends that `wanted` accepts. At a 1-junction
// the strong bond has its stroke away from the junction, at a 0-junction at it.
template <class Wanted>
void apply_bond(Model& m, int j, Wanted wanted) {
    const LineRecord& b = m.lines[j];
    if (in_model(m, b.obj1) && wanted(b.obj1)) {
        ObjRecord& o = m.objs[b.obj1];
        if ((is_one_junction(o) && b.causa == 1) || (is_zero_junction(o) && b.causa == 2)) {
            o.strongobj = b.obj2;
            o.strongend = 2;
            o.strongfirst = kTrue;
        }
    }
    if (in_model(m, b.obj2) && wanted(b.obj2)) {
        ObjRecord& o = m.objs[b.obj2];
        if (is_one_junction(o) && b.causa == 2) {
            o.strongobj = b.obj1;
            o.strongend = 1;
            o.strongfirst = kFalse;
        } else if (is_zero_junction(o) && b.causa == 1) {
            // 2 names the partner's column for an effort output on a bond with
            // causa 1, which is where the generator finds the common effort.
            o.strongobj = b.obj1;
            o.strongend = 2;
            o.strongfirst = kFalse;
        }
    }
}

}  // namespace

void causalizar(Model& model) {
    for (int i = 1; i <= model.nobj; ++i) model.objs[i].strongobj = 0;
    find_strong_bonds(model);
}

void find_strong_bonds(Model& model) {
    for (int j = 1; j <= model.nlin; ++j) apply_bond(model, j, [](int) { return true; });
}

void update_strong_bond(Model& model, const BondLists& lists, int element) {
    if (!in_model(model, element)) return;
    model.objs[element].strongobj = 0;
    if (!is_junction(model.objs[element])) return;
    for (int j : lists.touching(element)) {
        apply_bond(model, j, [element](int end) { return end == element; });
    }
}

}  // namespace vantor
