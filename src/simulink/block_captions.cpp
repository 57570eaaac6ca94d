#include "simulink/block_captions.h"

#include "model/element_kinds.h"

namespace vantor {
namespace {

// Whether block e's first port (for a sum: its first input port) lies on the
// top or bottom edge. A block without ports counts as having them at the sides.
bool ports_on_top_and_bottom(const Model& m, int e, bool inputs_only) {
    for (int i = 1; i <= m.nobj; ++i) {
        const ObjRecord& o = m.objs[i];
        if (!is_con(o) || o.auxil2 != e || (inputs_only && o.signout != 0)) continue;
        const std::string arrow = o.caption.trimmed();
        return arrow == "^" || arrow == "v";
    }
    return false;
}

std::string padded_word(const Model& m, int k, int e, std::string_view word) {
    // The padding before the word covers (k - 2) / 2 ports, the rest after it;
    // "for every integer from 1 up to x" counts whole steps only.
    double before = 0;
    double after = 0;
    if (k > 2) {
        before = (k - 2) / 2.0;
        after = (k - 2) - before;
    }
    const char separator = ports_on_top_and_bottom(m, e, false) ? '\xA0' : '\r';
    std::string caption(static_cast<std::size_t>(before), separator);
    caption += word;
    caption.append(static_cast<std::size_t>(after), separator);
    return caption;
}

}  // namespace

std::string suma(const Model& m, std::string_view signs, int e) {
    const char separator = ports_on_top_and_bottom(m, e, true) ? ' ' : '\r';
    std::string caption;
    for (std::size_t i = 0; i < signs.size(); ++i) {
        caption += signs[i];
        caption += ' ';
        if (i + 1 < signs.size()) caption += separator;
    }
    return caption;
}

std::string mux(const Model& m, int k, int e) {
    return padded_word(m, k, e, "mux");
}

std::string demux(const Model& m, int k, int e) {
    return padded_word(m, k, e, "demux");
}

}  // namespace vantor
