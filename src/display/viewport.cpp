#include "display/viewport.h"

#include <algorithm>

namespace vantor {

namespace {

float shifted(float coordinate, double by) {
    return static_cast<float>(coordinate + by);
}

// The scroll origin moved by `delta` twips along x: every control keeps its
// place on the screen, so its coordinate grows by delta.
void shift_controls_x(ModelWindow& window, double delta) {
    const Model& m = window.model;
    for (int i = 1; i <= m.nobj; ++i) {
        Glyph& g = window.image1[static_cast<std::size_t>(i)];
        g.left = shifted(g.left, delta);
    }
    for (int j = 1; j <= m.nlin; ++j) {
        const auto k = static_cast<std::size_t>(j);
        for (LineControl* line : {&window.linea[k], &window.linea2[k], &window.Linea3[k]}) {
            line->x1 = shifted(line->x1, delta);
            line->x2 = shifted(line->x2, delta);
        }
    }
    window.Line1.x1 = shifted(window.Line1.x1, delta);
    window.Line1.x2 = shifted(window.Line1.x2, delta);
    window.sector.left = shifted(window.sector.left, delta);
    window.Text1.left = shifted(window.Text1.left, delta);
    Viewport& v = window.viewport;
    v.HScroll1.left = shifted(v.HScroll1.left, delta);
    v.VScroll1.left = shifted(v.VScroll1.left, delta);
    v.label1_left = shifted(v.label1_left, delta);
}

void shift_controls_y(ModelWindow& window, double delta) {
    const Model& m = window.model;
    for (int i = 1; i <= m.nobj; ++i) {
        Glyph& g = window.image1[static_cast<std::size_t>(i)];
        g.top = shifted(g.top, delta);
    }
    for (int j = 1; j <= m.nlin; ++j) {
        const auto k = static_cast<std::size_t>(j);
        for (LineControl* line : {&window.linea[k], &window.linea2[k], &window.Linea3[k]}) {
            line->y1 = shifted(line->y1, delta);
            line->y2 = shifted(line->y2, delta);
        }
    }
    window.Line1.y1 = shifted(window.Line1.y1, delta);
    window.Line1.y2 = shifted(window.Line1.y2, delta);
    window.sector.top = shifted(window.sector.top, delta);
    window.Text1.top = shifted(window.Text1.top, delta);
    Viewport& v = window.viewport;
    v.HScroll1.top = shifted(v.HScroll1.top, delta);
    v.VScroll1.top = shifted(v.VScroll1.top, delta);
    v.label1_top = shifted(v.label1_top, delta);
}

int clamp_scroll(int value) {
    return std::clamp(value, 0, kScrollMax);
}

float not_negative(double value) {
    return static_cast<float>(std::max(value, 0.0));
}

}  // namespace

void mrefresco(ModelWindow& window) {
    const Model& m = window.model;
    double sx = 0;
    double sy = 0;
    if (m.nobj > 0) {
        sx = static_cast<double>(window.image1[1].left) - m.objs[1].left;
        sy = static_cast<double>(window.image1[1].top) - m.objs[1].top;
    }
    for (int i = 1; i <= m.nobj; ++i) {
        const auto k = static_cast<std::size_t>(i);
        window.image1[k].left = m.objs[k].left;
        window.image1[k].top = m.objs[k].top;
    }
    const auto shift_back = [sx, sy](LineControl& line) {
        line.x1 = shifted(line.x1, -sx);
        line.x2 = shifted(line.x2, -sx);
        line.y1 = shifted(line.y1, -sy);
        line.y2 = shifted(line.y2, -sy);
    };
    for (int j = 1; j <= m.nlin; ++j) {
        const auto k = static_cast<std::size_t>(j);
        shift_back(window.linea[k]);
        // An invisible barb (a signal link) and its stroke are left where they are.
        if (window.linea2[k].visible) {
            shift_back(window.linea2[k]);
            shift_back(window.Linea3[k]);
        }
    }
}

void Form_Resize(ModelWindow& window) {
    Viewport& v = window.viewport;
    const double w = v.width;
    const double h = v.height;
    const double sl = v.HScroll1.value;
    const double st = v.VScroll1.value;
    v.VScroll1.left = not_negative(w - 375 + sl);
    v.VScroll1.height = not_negative(h - 915);
    v.HScroll1.top = not_negative(h - 930 + st);
    v.HScroll1.width = not_negative(w - 360);
    v.label1_top = not_negative(static_cast<double>(v.VScroll1.top) + v.VScroll1.height);
    v.label1_left = not_negative(static_cast<double>(v.HScroll1.left) + v.HScroll1.width);
}

void set_hscroll(ModelWindow& window, int value) {
    value = clamp_scroll(value);
    ScrollBar& bar = window.viewport.HScroll1;
    if (value == bar.value) return;
    const double delta = static_cast<double>(value) - bar.value;
    bar.value = value;
    shift_controls_x(window, delta);
    mrefresco(window);  // HScroll1_Change
}

void set_vscroll(ModelWindow& window, int value) {
    value = clamp_scroll(value);
    ScrollBar& bar = window.viewport.VScroll1;
    if (value == bar.value) return;
    const double delta = static_cast<double>(value) - bar.value;
    bar.value = value;
    shift_controls_y(window, delta);
    mrefresco(window);  // VScroll1_Change
}

bool existe_linea(const ModelWindow& window, int a, int b) {
    const Model& m = window.model;
    // The last bond is not looked at: the editor asks while drawing it.
    for (int j = 1; j <= m.nlin - 1; ++j) {
        const LineRecord& bond = m.lines[static_cast<std::size_t>(j)];
        if ((bond.obj1 == a && bond.obj2 == b) || (bond.obj2 == a && bond.obj1 == b)) return true;
    }
    return false;
}

}  // namespace vantor
