#include "paint/control_bounds.h"

#include <algorithm>
#include <cmath>

namespace vantor::paint {

namespace {

// Room for text that overhangs its box by a pixel and for rounding.
constexpr int kSlack = 2;

QRect twips_rect(double left, double top, double width, double height, ViewOrigin origin) {
    return QRect(to_pixels(left - origin.x), to_pixels(top - origin.y), to_pixels(width) + 1,
                 to_pixels(height) + 1);
}

}  // namespace

QRect glyph_bounds(const Glyph& glyph, ViewOrigin origin) {
    if (!glyph.visible) return {};
    return glyph_rect(glyph, origin).adjusted(-kSlack, -kSlack, kSlack, kSlack);
}

QRect line_bounds(const LineControl& line, ViewOrigin origin) {
    if (!line.visible) return {};
    const QLineF at = line_pixels(line, origin);
    // A square cap reaches half the pen's width past each end (more along a
    // diagonal, which the slack covers).
    const int reach = static_cast<int>(std::ceil(pen_width(line) / 2)) + kSlack;
    return QRectF(at.p1(), at.p2())
        .normalized()
        .toAlignedRect()
        .adjusted(-reach, -reach, reach, reach);
}

QRect sector_bounds(const RectangleShape& sector, ViewOrigin origin) {
    if (!sector.visible) return {};
    return twips_rect(sector.left, sector.top, sector.width, sector.height, origin)
        .adjusted(-kSlack, -kSlack, kSlack, kSlack);
}

QRect text_box_bounds(const TextBox& box, ViewOrigin origin) {
    if (!box.visible) return {};
    return twips_rect(box.left, box.top, box.width, box.height, origin)
        .adjusted(-kSlack, -kSlack, kSlack, kSlack);
}

QRect drawing_extent(const ModelWindow& window) {
    const Model& m = window.model;
    QRect extent;
    for (int i = 1; i <= m.nobj; ++i) {
        const Glyph& glyph = window.image1[static_cast<std::size_t>(i)];
        if (glyph.visible) extent |= glyph_rect(glyph);
    }
    for (int j = 1; j <= m.nlin; ++j) {
        const auto k = static_cast<std::size_t>(j);
        for (const LineControl* line : {&window.linea[k], &window.linea2[k], &window.Linea3[k]}) {
            extent |= line_bounds(*line, {});
        }
    }
    return extent;
}

}  // namespace vantor::paint
