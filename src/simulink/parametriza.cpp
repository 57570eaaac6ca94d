#include "simulink/parametriza.h"

#include "causality/strong_bonds.h"
#include "model/element_kinds.h"

namespace vantor {
namespace {

void append_sign(ObjRecord& junction, char sign) {
    junction.parameters = junction.parameters.trimmed() + sign;
}

}  // namespace

void parametriza(Model& m) {
    find_strong_bonds(m);
    for (int i = 1; i <= m.nobj; ++i) {
        ObjRecord& o = m.objs[i];
        o.effin = 0;
        if (is_junction(o)) o.parameters = "";
    }
    for (int j = 1; j <= m.nlin; ++j) {
        const LineRecord& b = m.lines[j];
        const bool has1 = in_model(m, b.obj1);
        const bool has2 = in_model(m, b.obj2);
        if (has1 && is_junction(m.objs[b.obj1]) && m.objs[b.obj1].strongobj != b.obj2) {
            append_sign(m.objs[b.obj1], m.objs[b.obj1].strongfirst == 0 ? '+' : '-');
        }
        if (has2 && is_junction(m.objs[b.obj2]) && m.objs[b.obj2].strongobj != b.obj1) {
            append_sign(m.objs[b.obj2], m.objs[b.obj2].strongfirst == 0 ? '-' : '+');
        }
        // The last bond of an element decides whether it receives effort.
        const bool stroke_at_obj2 = b.causa == 1;
        if (has1) m.objs[b.obj1].effin = stroke_at_obj2 ? 0 : 1;
        if (has2) m.objs[b.obj2].effin = stroke_at_obj2 ? 1 : 0;
    }
}

}  // namespace vantor
