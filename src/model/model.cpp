#include "model/model.h"

namespace vantor {

void init_model_window(ModelWindowState& window, std::int16_t winnum) {
    window.model.nobj = 0;
    window.model.nlin = 0;
    window.hasname = 0;
    window.saved = 0;
    window.winnum = winnum;
}

bool same_in_file(const ObjRecord& a, const ObjRecord& b) {
    return a.type == b.type && a.parameters == b.parameters && a.maxlin == b.maxlin &&
           a.numlin == b.numlin && a.caption == b.caption && a.top == b.top && a.left == b.left &&
           a.parameter2 == b.parameter2 && a.index == b.index && a.maxsigninp == b.maxsigninp &&
           a.signout == b.signout && a.auxil1 == b.auxil1 && a.auxil2 == b.auxil2 &&
           a.auxil3 == b.auxil3;
}

bool same_in_file(const LineRecord& a, const LineRecord& b) {
    return a.causa == b.causa && a.obj1 == b.obj1 && a.obj2 == b.obj2;
}

bool same_file_records(const Model& a, const Model& b) {
    if (a.nobj != b.nobj || a.nlin != b.nlin) return false;
    for (int i = 1; i <= a.nobj; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (!same_in_file(a.objs[k], b.objs[k])) return false;
    }
    for (int j = 1; j <= a.nlin; ++j) {
        const auto k = static_cast<std::size_t>(j);
        if (!same_in_file(a.lines[k], b.lines[k])) return false;
    }
    return true;
}

}  // namespace vantor
