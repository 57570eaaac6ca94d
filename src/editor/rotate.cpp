#include "editor/rotate.h"

#include "display/redraw.h"
#include "display/stored_int16.h"
#include "model/element_kinds.h"
#include "model/numeric_prefix.h"
#include "model/text.h"
#include "simulink/block_captions.h"

namespace vantor {

namespace {

// The one selected element that carries signal ports, or 0 when there are
// none or several.
int the_selected_block(const Model& m) {
    int count = 0;
    int block = 0;
    for (int i = 1; i <= m.nobj; ++i) {
        const ObjRecord& o = m.objs[static_cast<std::size_t>(i)];
        if (o.selected != 0 && !is_con(o) && (o.maxsigninp > 0 || o.signout > 0)) {
            ++count;
            block = i;
        }
    }
    return count == 1 ? block : 0;
}

// A mux or demux block's port count: the number its parameters start with.
int port_count(const ObjRecord& block) {
    return store_int16(numeric_prefix(block.parameters.raw()));
}

}  // namespace

std::string turned_clockwise(std::string_view arrow) {
    if (arrow == ">") return "v";
    if (arrow == "v") return "<";
    if (arrow == "<") return "^";
    if (arrow == "^") return ">";
    return std::string(arrow);
}

void rotate_Click(ModelWindow& window, AppState& app) {
    Model& m = window.model;
    const int e = the_selected_block(m);
    if (e == 0) return;

    for (int k = 1; k <= m.nobj; ++k) {
        ObjRecord& o = m.objs[static_cast<std::size_t>(k)];
        if (is_con(o) && o.auxil2 == e) o.caption = turned_clockwise(o.caption.trimmed());
    }

    ObjRecord& block = m.objs[static_cast<std::size_t>(e)];
    if (block.type == "sum") {
        block.caption = trim_blanks(suma(m, block.parameters.trimmed(), e));
    } else if (block.type == "mux") {
        block.caption = trim_blanks(mux(m, port_count(block), e));
    } else if (block.type == "dem") {
        block.caption = trim_blanks(demux(m, port_count(block), e));
    }

    // The ports take their new places around the block once it has its new size.
    qrefresco(window, app);
    qrefresco(window, app);
}

}  // namespace vantor
