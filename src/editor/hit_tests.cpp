#include "editor/hit_tests.h"

#include <algorithm>
#include <cmath>

#include "model/element_kinds.h"

namespace vantor {

namespace {

double distance(double ax, double ay, double bx, double by) {
    return std::sqrt((bx - ax) * (bx - ax) + (by - ay) * (by - ay));
}

}  // namespace

bool takes_another_bond(const ObjRecord& obj) {
    return !(obj.numlin >= obj.maxlin || is_text_note(obj));
}

bool near_glyph(const Glyph& g, float x, float y) {
    const double cx = static_cast<double>(g.left) + g.width / 2.0;
    const double cy = static_cast<double>(g.top) + g.height / 2.0;
    return std::abs(x - cx) < g.width && std::abs(y - cy) < g.height;
}

int busca_objeto(const ModelWindow& window, float x, float y) {
    const Model& m = window.model;
    for (int i = 1; i <= m.nobj; ++i) {
        if (!takes_another_bond(m.objs[static_cast<std::size_t>(i)])) continue;
        if (near_glyph(window.image1[static_cast<std::size_t>(i)], x, y)) return i;
    }
    return 0;
}

int busca_linea(const ModelWindow& window, float x, float y) {
    int found = 0;
    for (int j = 1; j <= window.model.nlin; ++j) {
        const LineControl& line = window.linea[static_cast<std::size_t>(j)];
        const double length = distance(line.x1, line.y1, line.x2, line.y2);
        const double d1 = distance(x, y, line.x1, line.y1);
        const double d2 = distance(x, y, line.x2, line.y2);
        double h = d1;
        if (length > 0) {
            const double t = (length * length + d1 * d1 - d2 * d2) / (2 * length);
            // Rounding can make the square slightly negative on the line itself.
            h = std::sqrt(std::max(d1 * d1 - t * t, 0.0));
        }
        if (h < 40 && length > d1 && length > d2) found = j;
    }
    return found;
}

}  // namespace vantor
