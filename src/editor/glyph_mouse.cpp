#include "editor/glyph_mouse.h"

#include "display/viewport.h"
#include "editor/connect.h"
#include "model/element_kinds.h"
#include "window/selection.h"

namespace vantor {

namespace {

// A signal block is never selected without its ports.
void select_with_ports(ModelWindow& window, const AppState& app, int i) {
    const Model& m = window.model;
    select_element(window, app, i);
    if (!is_signal_block(m.objs[static_cast<std::size_t>(i)])) return;
    for (int k = 1; k <= m.nobj; ++k) {
        const ObjRecord& obj = m.objs[static_cast<std::size_t>(k)];
        if (is_con(obj) && obj.auxil2 == i) select_element(window, app, k);
    }
}

void press(ModelWindow& window, AppState& app, int i, float x, float y) {
    const Model& m = window.model;
    const ObjRecord& obj = m.objs[static_cast<std::size_t>(i)];
    if (is_con(obj) || obj.selected == 0) {
        deselecciona(window, app);
        if (!is_output_port(m, i)) {
            select_with_ports(window, app, i);
            habilita(window);
        }
    }
    MouseState& mouse = window.mouse;
    mouse.dragging = kTrue;
    mouse.lastx = x;
    mouse.lasty = y;
    mouse.linking = kFalse;
}

}  // namespace

void image1_MouseMove(ModelWindow& window, AppState& app, int i, int button, int, float x,
                      float y) {
    const Model& m = window.model;
    if (!in_model(m, i) || is_input_port(m, i)) return;
    MouseState& mouse = window.mouse;
    if (mouse.dragging == 0) {
        if (button == 1 || button == 2) press(window, app, i, x, y);
        return;
    }
    const double dx = static_cast<double>(x) - mouse.lastx;
    const double dy = static_cast<double>(y) - mouse.lasty;
    // The glyph moves with the element, so the press point stays under the
    // pointer and lastx, lasty stay where they are.
    if (button == 1 &&
        (!is_con(m.objs[static_cast<std::size_t>(i)]) || is_connection_point(m, i))) {
        mover(window, app, i, static_cast<float>(dx), static_cast<float>(dy));
    }
    if (button == 2) right_drag_step(window, app, i, x, y, dx, dy);
}

void image1_Click(ModelWindow& window, AppState& app, int i) {
    window.Text1.visible = false;
    if (window.mouse.dragging != 0) {
        window.mouse.dragging = kFalse;
        return;
    }
    const Model& m = window.model;
    if (!in_model(m, i)) return;
    deselecciona(window, app);
    if (is_connection_point(m, i)) {
        select_element(window, app, i);
    } else if (!is_con(m.objs[static_cast<std::size_t>(i)])) {
        select_with_ports(window, app, i);
    }
    habilita(window);
}

}  // namespace vantor
