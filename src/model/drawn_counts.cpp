#include "model/drawn_counts.h"

#include <algorithm>

#include "model/element_kinds.h"

namespace vantor {

DrawnCounts drawn_counts(const Model& m) {
    DrawnCounts counts;
    // A damaged file may give counts outside the tables.
    const int nobj = std::clamp<int>(m.nobj, 0, kMaxElements);
    const int nlin = std::clamp<int>(m.nlin, 0, kMaxBonds);
    for (int i = 1; i <= nobj; ++i) {
        const ObjRecord& o = m.objs[static_cast<std::size_t>(i)];
        if (!is_con(o) && !is_text_note(o)) ++counts.elements;
    }
    for (int j = 1; j <= nlin; ++j) {
        if (m.lines[static_cast<std::size_t>(j)].causa == kSignalLink) {
            ++counts.links;
        } else {
            ++counts.bonds;
        }
    }
    return counts;
}

}  // namespace vantor
