#include "display/viewport.h"

#include <algorithm>

namespace vantor {

namespace {

float shifted(float coordinate, double by) {
    return static_cast<float>(coordinate + by);
}

// A coordinate shifted along one axis; the other axis's delta is 0 and
// leaves its coordinates exactly as they are (no -0 turned into +0).
void shift(float& coordinate, double delta) {
    if (delta != 0) coordinate = shifted(coordinate, delta);
}

// The scroll origin moved by (dx, dy) twips: every control keeps its place on
// the screen, so its coordinates grow by the same amount.
void shift_controls(ModelWindow& window, double dx, double dy) {
    const Model& m = window.model;
    for (int i = 1; i <= m.nobj; ++i) {
        Glyph& g = window.image1[static_cast<std::size_t>(i)];
        shift(g.left, dx);
        shift(g.top, dy);
    }
    for (int j = 1; j <= m.nlin; ++j) {
        const auto k = static_cast<std::size_t>(j);
        for (LineControl* line : {&window.linea[k], &window.linea2[k], &window.Linea3[k]}) {
            shift(line->x1, dx);
            shift(line->x2, dx);
            shift(line->y1, dy);
            shift(line->y2, dy);
        }
    }
    shift(window.Line1.x1, dx);
    shift(window.Line1.x2, dx);
    shift(window.Line1.y1, dy);
    shift(window.Line1.y2, dy);
    shift(window.sector.left, dx);
    shift(window.sector.top, dy);
    shift(window.Text1.left, dx);
    shift(window.Text1.top, dy);
    Viewport& v = window.viewport;
    shift(v.HScroll1.left, dx);
    shift(v.HScroll1.top, dy);
    shift(v.VScroll1.left, dx);
    shift(v.VScroll1.top, dy);
    shift(v.label1_left, dx);
    shift(v.label1_top, dy);
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
    shift_controls(window, delta, 0);
    mrefresco(window);  // HScroll1_Change
}

void set_vscroll(ModelWindow& window, int value) {
    value = clamp_scroll(value);
    ScrollBar& bar = window.viewport.VScroll1;
    if (value == bar.value) return;
    const double delta = static_cast<double>(value) - bar.value;
    bar.value = value;
    shift_controls(window, 0, delta);
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
