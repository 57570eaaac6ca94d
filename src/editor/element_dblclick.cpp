#include "editor/element_dblclick.h"

#include <limits>
#include <string>

#include "display/leeimagen.h"
#include "display/redraw.h"
#include "editor/caption_edit.h"
#include "editor/drop.h"
#include "model/element_kinds.h"
#include "model/numeric_prefix.h"
#include "model/text.h"
#include "simulink/block_captions.h"
#include "window/deletion.h"

namespace vantor {

namespace {

ObjRecord& obj_at(ModelWindow& window, int i) {
    return window.model.objs[static_cast<std::size_t>(i)];
}

enum class BlockKind { kNone, kSum, kMux, kDemux };

BlockKind block_kind(const std::string& type) {
    if (type == "sum") return BlockKind::kSum;
    if (type == "mux") return BlockKind::kMux;
    if (type == "dem") return BlockKind::kDemux;
    return BlockKind::kNone;
}

// Sum and mux blocks rebuild their inputs, demux blocks their outputs.
std::int16_t port_signout(BlockKind kind) {
    return kind == BlockKind::kDemux ? kTrue : kFalse;
}

bool is_port_of(const ObjRecord& o, int e, BlockKind kind) {
    return is_con(o) && o.auxil2 == e && o.signout == port_signout(kind);
}

// New ports keep the orientation rotation gave the block's first port. A
// demux's first port of either kind counts, as its captions turn together.
std::string port_caption(const ModelWindow& window, int e, BlockKind kind) {
    const Model& m = window.model;
    for (int i = 1; i <= m.nobj; ++i) {
        const ObjRecord& o = m.objs[static_cast<std::size_t>(i)];
        if (!is_con(o) || o.auxil2 != e) continue;
        if (kind != BlockKind::kDemux && o.signout != 0) continue;
        return std::string(o.caption.trimmed());
    }
    return ">";
}

void add_port(ModelWindow& window, int e, int number, BlockKind kind, const std::string& caption) {
    Model& m = window.model;
    const int p = ++m.nobj;
    load_glyph(window, p);
    window.image1[static_cast<std::size_t>(p)].visible = true;
    ObjRecord& port = obj_at(window, p);
    port = ObjRecord{};
    port.type = "con";
    port.caption = caption;
    port.auxil2 = static_cast<std::int16_t>(e);
    port.auxil3 = static_cast<std::int16_t>(number);
    port.signout = port_signout(kind);
    leeimagen(window, p);
}

// Deleting a port moves the last element into its hole, and its orphans
// after it, so the block is found again by a mark on a work field.
constexpr std::int16_t kBlockMark = std::numeric_limits<std::int16_t>::min();

int find_marked_block(const Model& m) {
    for (int i = 1; i <= m.nobj; ++i) {
        const ObjRecord& o = m.objs[static_cast<std::size_t>(i)];
        if (!is_con(o) && o.effin == kBlockMark) return i;
    }
    return 0;
}

// Removes the ports numbered above n; returns the block's number afterwards.
int remove_ports_above(ModelWindow& window, const AppState& app, int e, int n, BlockKind kind) {
    Model& m = window.model;
    const std::int16_t saved_effin = obj_at(window, e).effin;
    obj_at(window, e).effin = kBlockMark;
    for (int i = m.nobj; i >= 1; --i) {
        if (i > m.nobj) continue;
        const ObjRecord& o = m.objs[static_cast<std::size_t>(i)];
        if (is_port_of(o, e, kind) && o.auxil3 > n) {
            borrar_objeto(window, app, i);
            e = find_marked_block(m);
        }
    }
    obj_at(window, e).effin = saved_effin;
    return e;
}

std::string block_caption(const ModelWindow& window, BlockKind kind, const std::string& first,
                          int n, int e) {
    switch (kind) {
        case BlockKind::kSum:
            return suma(window.model, trim_blanks(first), e);
        case BlockKind::kMux:
            return mux(window.model, n, e);
        default:
            return demux(window.model, n, e);
    }
}

// Rebuilds the ports of a sum, mux or demux block for the dialog's first
// parameter. False, with a message and nothing changed, for a count the
// block cannot take. `e` follows the block when a deletion moves it.
bool rebuild_ports(ModelWindow& window, AppState& app, EditorHost& host, int& e, BlockKind kind) {
    const double n = kind == BlockKind::kSum ? static_cast<double>(trim_blanks(app.partext1).size())
                                             : round_half_even(numeric_prefix(app.partext1));
    if (!(n > 0)) {
        host.show_message(kBlockNeedsPort);
        return false;
    }
    ObjRecord& block = obj_at(window, e);
    const int count = kind == BlockKind::kDemux ? block.signout : block.maxsigninp;
    if (n > count && window.model.nobj + (n - count) > kMaxElements) {
        host.show_message(kTooManyElements);
        return false;
    }
    const int ports = static_cast<int>(n);
    const std::string caption = port_caption(window, e, kind);
    if (ports > count) {
        for (int k = count + 1; k <= ports; ++k) add_port(window, e, k, kind, caption);
    } else {
        e = remove_ports_above(window, app, e, ports, kind);
    }
    ObjRecord& moved = obj_at(window, e);
    if (kind == BlockKind::kDemux) {
        moved.signout = static_cast<std::int16_t>(ports);
    } else {
        moved.maxsigninp = static_cast<std::int16_t>(ports);
    }
    moved.caption = std::string(trim_blanks(block_caption(window, kind, app.partext1, ports, e)));
    return true;
}

// The double click up to the dialog: true when it opened `dialog`.
bool start_element_dblclick(ModelWindow& window, AppState& app, EditorHost& host,
                            MatlabLink& matlab, ParameterDialog& dialog, int i) {
    if (!in_model(window.model, i)) return false;
    const ObjRecord& obj = obj_at(window, i);
    if (is_text_note(obj)) {
        open_caption_box(window, i);
        return false;
    }
    window.Text1.visible = false;
    if (obj.type.raw() == "sys") {
        const std::string problem = matlab.type_commands({"simulink", "subsist"});
        if (!problem.empty()) host.show_message(problem);
        return false;
    }
    if (is_junction(obj) || is_con(obj)) return false;
    app.partext1 = std::string(obj.parameters.raw());
    app.partext2 = std::string(obj.parameter2.raw());
    app.partype = std::string(obj.type.raw());
    Form_Load(dialog, app);
    return true;
}

}  // namespace

void finish_element_dblclick(ModelWindow& window, AppState& app, EditorHost& host, int e) {
    const BlockKind kind = block_kind(app.partype);
    const bool stored = kind == BlockKind::kNone || rebuild_ports(window, app, host, e, kind);
    if (stored) {
        ObjRecord& obj = obj_at(window, e);
        obj.parameters = app.partext1;
        obj.parameter2 = app.partext2;
    }
    refresco(window, app);
    refresco(window, app);
}

void image1_DblClick(ModelWindow& window, AppState& app, EditorHost& host, DblClickPorts& ports,
                     int i) {
    ParameterDialog dialog;
    if (!start_element_dblclick(window, app, host, ports.matlab(), dialog, i)) return;
    if (!ports.show_dialog(dialog, app, i)) return;
    if (dialog.open) close_box(dialog);
    finish_element_dblclick(window, app, host, i);
}

void image1_DblClick(ModelWindow& window, AppState& app, EditorHost& host,
                     ParameterDialogPort& dialog_port, MatlabLink& matlab, int i) {
    ModalDblClickPorts ports(dialog_port, matlab);
    image1_DblClick(window, app, host, ports, i);
}

void Showp_Click(ModelWindow& window, AppState& app) {
    window.menus.showp = !window.menus.showp;
    for (int pass = 0; pass < 3; ++pass) refresco(window, app);
}

void simulink_Click(ModelWindow& window, int index) {
    if (index >= 1 && index <= 3) window.menus.simulink_version = index;
}

}  // namespace vantor
