#include "editor/background_mouse.h"

#include <algorithm>
#include <cmath>

#include "display/redraw.h"
#include "editor/bond_rules.h"
#include "editor/connect.h"
#include "editor/hit_tests.h"
#include "editor/text_note.h"
#include "model/element_kinds.h"
#include "window/selection.h"

namespace vantor {

namespace {

// A bond is selected together with the port at its obj2 end, if any.
void select_bond_with_port(ModelWindow& window, const AppState& app, int j) {
    const Model& m = window.model;
    select_bond(window, app, j);
    const int end = m.lines[static_cast<std::size_t>(j)].obj2;
    if (in_model(m, end) && is_port(m, end)) select_element(window, app, end);
    window.menus.ddelete = true;
}

bool strictly_inside(const RectangleShape& band, double x, double y) {
    return band.left < x && x < static_cast<double>(band.left) + band.width && band.top < y &&
           y < static_cast<double>(band.top) + band.height;
}

void hide_caption_box(ModelWindow& window) {
    window.Text1.visible = false;
    window.Text1.text.clear();
}

// The rectangle selects the elements whose glyph's top-left corner it holds,
// and the bonds it holds whole, but bonds only together with an element.
void end_selection_rectangle(ModelWindow& window, AppState& app) {
    Model& m = window.model;
    RectangleShape& band = window.sector;
    app.selband = kFalse;
    app.selready = kTrue;
    band.visible = false;
    deselecciona(window, app);

    for (int j = 1; j <= m.nlin; ++j) {
        const LineControl& line = window.linea[static_cast<std::size_t>(j)];
        if (strictly_inside(band, line.x1, line.y1) && strictly_inside(band, line.x2, line.y2)) {
            select_bond_with_port(window, app, j);
        }
    }

    bool any_element = false;
    int not_con = 0;
    for (int i = 1; i <= m.nobj; ++i) {
        const Glyph& glyph = window.image1[static_cast<std::size_t>(i)];
        if (!strictly_inside(band, glyph.left, glyph.top)) continue;
        select_element(window, app, i);
        habilita(window);
        any_element = true;
        if (!is_con(m.objs[static_cast<std::size_t>(i)])) ++not_con;
    }
    if (not_con != 1) window.menus.rotate = false;
    if (any_element) refresco(window, app);

    // At 1000 elements an empty rectangle makes no note and ends as a small one.
    const bool note =
        !any_element && band.height > 250 && band.width > 250 && create_text_note(window, app);
    if (!note && !any_element) {
        deselecciona(window, app);
        hide_caption_box(window);
    }
    band.width = 1;
    band.height = 1;
}

// A click on the background selects the bond under the pointer; after a
// double click it also moves the bond's causal stroke on: 0, 1, 2, 0...
void click_on_background(ModelWindow& window, AppState& app, float x, float y) {
    deselecciona(window, app);
    hide_caption_box(window);
    const int j = busca_linea(window, x, y);
    if (j <= 0) return;
    select_bond_with_port(window, app, j);
    LineRecord& bond = window.model.lines[static_cast<std::size_t>(j)];
    if (window.mouse.dblclick != 0 && bond.causa < 4) {
        ++bond.causa;
        if (bond.causa == 3) bond.causa = 0;
        qrefresco(window, app);
    }
}

}  // namespace

void form_mousemove(ModelWindow& window, AppState& app, int button, int, float x, float y) {
    MouseState& mouse = window.mouse;
    mouse.dragging = kFalse;
    if (button == 1 && pointer_draws_bonds(window)) {
        bond_drawing_step(window, app, x, y);
        return;
    }
    if (button == 1 && (app.selready != 0 || app.selband != 0)) {
        RectangleShape& band = window.sector;
        if (app.selready != 0) {
            app.selband = kTrue;
            app.selready = kFalse;
            band.visible = true;
            band.left = x;
            band.top = y;
            mouse.bandx = x;
            mouse.bandy = y;
        }
        band.width = static_cast<float>(std::abs(static_cast<double>(x) - mouse.bandx));
        band.height = static_cast<float>(std::abs(static_cast<double>(y) - mouse.bandy));
        band.left = std::min(x, mouse.bandx);
        band.top = std::min(y, mouse.bandy);
        return;
    }
    mouse.overobj = static_cast<std::int16_t>(busca_objeto(window, x, y));
    window.MousePointer = mouse.overobj > 0 ? kPointerCross : kPointerArrow;
}

void Form_MouseUp(ModelWindow& window, AppState& app, int, int, float x, float y) {
    if (window.Line1.visible) {
        complete_or_discard_bond(window, app);
    } else if (app.selband != 0) {
        end_selection_rectangle(window, app);
    } else {
        click_on_background(window, app, x, y);
    }
    app.selready = kTrue;
    window.mouse.dragging = kFalse;
    window.mouse.dblclick = kFalse;
}

void Form_DblClick(ModelWindow& window) {
    window.mouse.dblclick = kTrue;
}

void Form_LostFocus(ModelWindow& window) {
    window.mouse.dragging = kFalse;
}

}  // namespace vantor
