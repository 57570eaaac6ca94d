#include "editor/connect.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "display/leeimagen.h"
#include "display/redraw.h"
#include "display/viewport.h"
#include "editor/bond_rules.h"
#include "editor/duplicate.h"
#include "editor/hit_tests.h"
#include "model/element_kinds.h"
#include "model/numeric_prefix.h"
#include "model/text.h"
#include "window/selection.h"

namespace vantor {

namespace {

inline constexpr double kKeepBelow = 1500;  // twips kept under the rubber band's end
inline constexpr double kKeepRight = 500;   // twips kept right of it
inline constexpr double kScrollAhead = 1500;
inline constexpr double kScrollBack = 100;

ObjRecord& record(ModelWindow& window, int i) {
    return window.model.objs[static_cast<std::size_t>(i)];
}

int scroll_value(double value) {
    return static_cast<int>(round_half_even(value));
}

// The window scrolls to keep the rubber band's end in view.
void scroll_along(ModelWindow& window, double x, double y) {
    const Viewport& v = window.viewport;
    const double origin_top = v.VScroll1.value;
    if (y + kKeepBelow > origin_top + v.height) {
        set_vscroll(window,
                    scroll_value(std::min<double>(y - v.height + kScrollAhead, kScrollMax)));
    } else if (y < origin_top) {
        set_vscroll(window, scroll_value(std::max(y - kScrollBack, 0.0)));
    }
    const double origin_left = window.viewport.HScroll1.value;
    const double width = window.viewport.width;
    if (x + kKeepRight > origin_left + width) {
        set_hscroll(window, scroll_value(std::min<double>(x - width + kScrollAhead, kScrollMax)));
    } else if (x < origin_left) {
        set_hscroll(window, scroll_value(std::max(x - kScrollBack, 0.0)));
    }
}

// The three lines of a new signal link: a thin main line, and the barb and
// stroke lines hidden, or shown thin too.
void load_link_lines(ModelWindow& window, int j, bool barb_and_stroke_shown) {
    load_bond_lines(window, j);
    const auto k = static_cast<std::size_t>(j);
    window.linea[k].visible = true;
    window.linea[k].width = 1;
    window.linea2[k].visible = window.Linea3[k].visible = barb_and_stroke_shown;
    if (barb_and_stroke_shown) window.linea2[k].width = window.Linea3[k].width = 1;
}

int append_link(ModelWindow& window, const AppState& app, int from, int to, bool all_shown) {
    Model& m = window.model;
    const int j = ++m.nlin;
    load_link_lines(window, j, all_shown);
    m.lines[static_cast<std::size_t>(j)] = {kSignalLink, static_cast<std::int16_t>(from),
                                            static_cast<std::int16_t>(to), kFalse};
    select_bond(window, app, j);
    return j;
}

// Right drag of a selection: the copies appear on top of the originals, and
// the copy of the pressed element follows the pointer.
void start_copy_drag(ModelWindow& window, AppState& app, int i, float x, float y, double dx,
                     double dy) {
    if (!duplicate_fits(window)) return;
    duplicar(window, app);
    MouseState& mouse = window.mouse;
    mouse.linking = kTrue;
    mover(window, app, window.objlink[static_cast<std::size_t>(i)], static_cast<float>(dx),
          static_cast<float>(dy));
    mouse.lastx = x;
    mouse.lasty = y;
    refresco(window, app);
}

// Right drag from an output port or connection point: a new connection
// point, linked to it, follows the pointer.
void start_signal_link(ModelWindow& window, AppState& app, int i, float x, float y, double dx,
                       double dy) {
    Model& m = window.model;
    if (m.nobj >= kMaxElements || m.nlin >= kMaxBonds) return;
    deselecciona(window, app);
    // Flagged alone, so that duplicar copies just this glyph.
    record(window, i).selected = kTrue;
    duplicar(window, app);

    const int c = window.objlink[static_cast<std::size_t>(i)];
    ObjRecord& point = record(window, c);
    point.auxil2 = static_cast<std::int16_t>(i);
    point.auxil3 = 0;
    const std::string bullet(1, kBullet);
    point.caption = bullet;
    Glyph& glyph = window.image1[static_cast<std::size_t>(c)];
    set_glyph_caption(glyph, bullet);
    glyph.color = app.colsel;
    append_link(window, app, i, c, false);

    MouseState& mouse = window.mouse;
    mouse.linking = kTrue;
    mover(window, app, c, static_cast<float>(dx), static_cast<float>(dy));
    mouse.lastx = x;
    mouse.lasty = y;
}

bool has_point_attached(const Model& m, int port) {
    for (int k = 1; k <= m.nobj; ++k) {
        if (is_connection_point(m, k) && m.objs[static_cast<std::size_t>(k)].index == port)
            return true;
    }
    return false;
}

bool strictly_holds(const Glyph& g, double x, double y) {
    return g.top < y && y < static_cast<double>(g.top) + g.height && g.left < x &&
           x < static_cast<double>(g.left) + g.width;
}

// A connection point released with its centre inside a free input port is
// attached to it, and moves to the corner between its predecessor and the
// port.
void release_connection_point(ModelWindow& window, AppState& app, int p) {
    Model& m = window.model;
    const Glyph& glyph = window.image1[static_cast<std::size_t>(p)];
    const double cx = static_cast<double>(glyph.left) + glyph.width / 2.0;
    const double cy = static_cast<double>(glyph.top) + glyph.height / 2.0;
    for (int i = 1; i <= m.nobj; ++i) {
        if (!is_input_port(m, i) ||
            !strictly_holds(window.image1[static_cast<std::size_t>(i)], cx, cy))
            continue;
        if (has_point_attached(m, i)) continue;
        // At the bond limit the point stays where it is, unattached.
        if (m.nlin >= kMaxBonds) break;
        ObjRecord& point = record(window, p);
        point.index = static_cast<std::int16_t>(i);
        append_link(window, app, p, i, true);
        point.top = record(window, i).top;
        point.left = record(window, point.auxil2).left;
        break;
    }
    window.mouse.dragging = kFalse;
    select_element(window, app, p);
    refresco(window, app);
}

}  // namespace

void bond_drawing_step(ModelWindow& window, AppState&, float x, float y) {
    Model& m = window.model;
    MouseState& mouse = window.mouse;
    LineControl& band = window.Line1;
    if (!band.visible) {
        // A bond starts at an element, and only while the model has room for it.
        if (!bond_may_start(window)) return;
        band.visible = true;
        band.x1 = band.x2 = x;
        band.y1 = band.y2 = y;
        const int j = ++m.nlin;
        load_bond_lines(window, j);
        m.lines[static_cast<std::size_t>(j)] = LineRecord{};
        m.lines[static_cast<std::size_t>(j)].obj1 = mouse.overobj;
        return;
    }
    band.x2 = x;
    band.y2 = y;
    mouse.overobj = static_cast<std::int16_t>(busca_objeto(window, x, y));
    const int from = m.lines[static_cast<std::size_t>(m.nlin)].obj1;
    window.MousePointer =
        bond_target_valid(window, from, mouse.overobj) ? kPointerConnect : kPointerCross;
    scroll_along(window, x, y);
}

void complete_or_discard_bond(ModelWindow& window, AppState& app) {
    Model& m = window.model;
    LineControl& band = window.Line1;
    MouseState& mouse = window.mouse;
    const int j = m.nlin;
    mouse.overobj = static_cast<std::int16_t>(bond_release_target(window));
    const int target = mouse.overobj;
    bool made = false;
    if (j >= 1) {
        LineRecord& bond = m.lines[static_cast<std::size_t>(j)];
        made = release_makes_bond(window, target);
        if (made) {
            LineControl& line = window.linea[static_cast<std::size_t>(j)];
            line.visible = true;
            window.linea2[static_cast<std::size_t>(j)].visible = true;
            line.x1 = band.x1;
            line.y1 = band.y1;
            line.x2 = band.x2;
            line.y2 = band.y2;
            bond.obj2 = static_cast<std::int16_t>(target);
            bond.causa = 0;
            ++record(window, bond.obj1).numlin;
            ++record(window, target).numlin;
        } else {
            load_bond_lines(window, j);  // unloaded
            --m.nlin;
        }
    }
    band.visible = false;
    deselecciona(window, app);
    if (made) select_bond(window, app, j);
    refresco(window, app);
}

void right_drag_step(ModelWindow& window, AppState& app, int i, float x, float y, double dx,
                     double dy) {
    MouseState& mouse = window.mouse;
    if (mouse.linking != 0) {
        // The pressed glyph stays; its copy or new point follows the pointer.
        mover(window, app, window.objlink[static_cast<std::size_t>(i)], static_cast<float>(dx),
              static_cast<float>(dy));
        mouse.lastx = x;
        mouse.lasty = y;
        return;
    }
    const Glyph& glyph = window.image1[static_cast<std::size_t>(i)];
    if (!(std::abs(dx) > glyph.width || std::abs(dy) > glyph.height)) return;
    const Model& m = window.model;
    if (!is_con(m.objs[static_cast<std::size_t>(i)])) {
        start_copy_drag(window, app, i, x, y, dx, dy);
    } else if (is_output_port(m, i) || is_connection_point(m, i)) {
        start_signal_link(window, app, i, x, y, dx, dy);
    }
}

void image1_MouseUp(ModelWindow& window, AppState& app, int i, int button, int, float, float) {
    const Model& m = window.model;
    if (!in_model(m, i)) return;
    MouseState& mouse = window.mouse;
    if (button == 2 && !is_con(m.objs[static_cast<std::size_t>(i)])) {
        // A copy-drag ends where the copy is.
        mouse.dragging = kFalse;
        mouse.linking = kFalse;
        return;
    }
    int point = i;
    if (button == 2 && mouse.linking != 0) point = window.objlink[static_cast<std::size_t>(i)];
    if (in_model(m, point) && is_connection_point(m, point)) {
        release_connection_point(window, app, point);
    }
    mouse.linking = kFalse;
}

}  // namespace vantor
