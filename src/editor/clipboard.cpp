#include "editor/clipboard.h"

#include <algorithm>

#include "display/redraw.h"
#include "display/stored_int16.h"
#include "editor/clipboard_picture.h"
#include "editor/drop.h"
#include "model/element_kinds.h"
#include "window/selection.h"

namespace vantor {

namespace {

// Where the copied group's top-left corner lies on the clipboard, and so how
// far inside the visible area a paste puts it.
inline constexpr int kClipCorner = 100;
// Above any position a 16-bit field holds.
inline constexpr int kNoTopLeft = 30000;

void make_room(AppState& app) {
    if (app.clipobjs.size() < kTableSlots) app.clipobjs.resize(kTableSlots);
    if (app.cliplines.size() < kTableSlots) app.cliplines.resize(kTableSlots);
}

// A clipboard reference (a position, 0 for none) as a number of the model
// whose first `nobj` elements were there before the paste.
std::int16_t pasted_reference(std::int16_t clip, int nobj) {
    return clip > 0 ? static_cast<std::int16_t>(clip + nobj) : std::int16_t{0};
}

void add_bond_to(ObjRecord& end) {
    end.numlin = static_cast<std::int16_t>(end.numlin + 1);
}

}  // namespace

bool cadena_sel(const Model& m, int i) {
    if (!in_model(m, i)) return false;
    int k = i;
    // A chain longer than the model has gone round a loop.
    for (int step = 0; step < m.nobj; ++step) {
        const int j = m.objs[static_cast<std::size_t>(k)].auxil2;
        if (!in_model(m, j)) return false;
        const ObjRecord& o = m.objs[static_cast<std::size_t>(j)];
        if (o.selected == 0) return false;
        if (!is_con(o)) return true;
        k = j;
    }
    return false;
}

int clip_position(const ModelWindow& window, int k) {
    return in_model(window.model, k) ? window.objlink[static_cast<std::size_t>(k)] : 0;
}

bool bond_goes_with_copy(const ModelWindow& window, int j) {
    const LineRecord& bond = window.model.lines[static_cast<std::size_t>(j)];
    return bond.selected != 0 && clip_position(window, bond.obj1) > 0 &&
           clip_position(window, bond.obj2) > 0;
}

void Copy_Click(ModelWindow& window, AppState& app, ClipboardPort& clipboard) {
    // Glyph sizes and line ends must be current for the extent and the picture.
    refresco(window, app);
    refresco(window, app);
    make_room(app);
    const Model& m = window.model;

    int mintop = kNoTopLeft;
    int minleft = kNoTopLeft;
    bool anyblock = false;
    window.objlink[0] = 0;
    int n = 0;
    for (int i = 1; i <= m.nobj; ++i) {
        const ObjRecord& o = m.objs[static_cast<std::size_t>(i)];
        auto& link = window.objlink[static_cast<std::size_t>(i)];
        if (o.selected == 0) {
            link = 0;
            continue;
        }
        link = static_cast<std::int16_t>(++n);
        ObjRecord& copy = app.clipobjs[static_cast<std::size_t>(n)];
        copy = o;
        copy.numlin = 0;
        copy.selected = kTrue;
        // A port or point taken back below still counts for the corner.
        mintop = std::min<int>(mintop, o.top);
        minleft = std::min<int>(minleft, o.left);
        if (!is_con(o)) anyblock = true;
        if (is_con(o) && !cadena_sel(m, i)) {
            link = 0;
            --n;  // the next copy takes this position
        }
    }

    for (int k = 1; k <= m.nobj; ++k) {
        const int position = clip_position(window, k);
        if (position == 0) continue;
        const ObjRecord& o = m.objs[static_cast<std::size_t>(k)];
        ObjRecord& copy = app.clipobjs[static_cast<std::size_t>(position)];
        copy.auxil2 = static_cast<std::int16_t>(clip_position(window, o.auxil2));
        copy.index = static_cast<std::int16_t>(clip_position(window, o.index));
    }

    if (!anyblock) n = 0;
    app.nclipobj = static_cast<std::int16_t>(n);

    for (int k = 1; k <= m.nobj; ++k) {
        const int position = clip_position(window, k);
        if (position < 1 || position > n) continue;
        const ObjRecord& o = m.objs[static_cast<std::size_t>(k)];
        ObjRecord& copy = app.clipobjs[static_cast<std::size_t>(position)];
        copy.top = store_int16(o.top - mintop + kClipCorner);
        copy.left = store_int16(o.left - minleft + kClipCorner);
    }

    int copied_bonds = 0;
    for (int j = 1; j <= m.nlin; ++j) {
        if (!bond_goes_with_copy(window, j)) continue;
        const LineRecord& bond = m.lines[static_cast<std::size_t>(j)];
        app.cliplines[static_cast<std::size_t>(++copied_bonds)] = {
            bond.causa, static_cast<std::int16_t>(clip_position(window, bond.obj1)),
            static_cast<std::int16_t>(clip_position(window, bond.obj2)), bond.selected};
    }
    app.nclipline = static_cast<std::int16_t>(copied_bonds);

    clipboard.put_picture(copy_picture(window, app, kClipCorner - static_cast<double>(minleft),
                                       kClipCorner - static_cast<double>(mintop)));
}

void paste_Click(ModelWindow& window, AppState& app, EditorHost& host) {
    Model& m = window.model;
    if (app.nclipobj <= 0) {
        refresco(window, app);
        return;
    }
    if (m.nobj + app.nclipobj > kMaxElements) {
        host.show_message(kTooManyElements);
        return;
    }
    if (m.nlin + app.nclipline > kMaxBonds) {
        host.show_message(kTooManyBonds);
        return;
    }
    deselecciona(window, app);

    const int nobj = m.nobj;
    const int top = window.viewport.VScroll1.value;
    const int left = window.viewport.HScroll1.value;
    for (int k = 1; k <= app.nclipobj; ++k) {
        const int e = nobj + k;
        const ObjRecord& clip = app.clipobjs[static_cast<std::size_t>(k)];
        ObjRecord& o = m.objs[static_cast<std::size_t>(e)];
        o = clip;
        o.top = store_int16(clip.top + top);
        o.left = store_int16(clip.left + left);
        o.auxil2 = pasted_reference(clip.auxil2, nobj);
        o.index = pasted_reference(clip.index, nobj);
        load_glyph(window, e);
        leeimagen(window, e);
        window.image1[static_cast<std::size_t>(e)].color = app.colsel;
    }

    const int nlin = m.nlin;
    for (int k = 1; k <= app.nclipline; ++k) {
        const int b = nlin + k;
        const LineRecord& clip = app.cliplines[static_cast<std::size_t>(k)];
        LineRecord& bond = m.lines[static_cast<std::size_t>(b)];
        bond.causa = clip.causa;
        bond.obj1 = pasted_reference(clip.obj1, nobj);
        bond.obj2 = pasted_reference(clip.obj2, nobj);
        add_bond_to(m.objs[static_cast<std::size_t>(bond.obj1)]);
        add_bond_to(m.objs[static_cast<std::size_t>(bond.obj2)]);
        load_bond_lines(window, b);
        window.linea[static_cast<std::size_t>(b)].visible = true;
        window.linea2[static_cast<std::size_t>(b)].visible = true;
        bond.selected = kTrue;
    }

    m.nobj = static_cast<std::int16_t>(nobj + app.nclipobj);
    m.nlin = static_cast<std::int16_t>(nlin + app.nclipline);
    habilita(window);
    refresco(window, app);
}

}  // namespace vantor
