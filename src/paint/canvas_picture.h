#pragma once

#include <QRect>
#include <QSize>
#include <array>
#include <vector>

#include "paint/glyph_painter.h"
#include "window/model_window.h"

namespace vantor::paint {

// What a model window's canvas shows: the controls as last painted, so that
// after an event only what changed is painted again.
struct CanvasPicture {
    ViewOrigin origin;
    QSize view;
    std::vector<Glyph> glyphs;  // elements 1..nobj from index 0
    std::vector<std::array<LineControl, 3>> bonds;
    LineControl Line1;
    RectangleShape sector;
    TextBox Text1;
};

CanvasPicture picture_of(const ModelWindow& window, QSize view);

// The part of the view to paint again, going from `before` to `after`: where
// a control was and where it is now, for every control that looks different.
// A scroll or a new size repaints the whole view.
struct Repaint {
    bool whole = false;
    std::vector<QRect> rects;
    QRect bounding() const;
};

Repaint changed_area(const CanvasPicture& before, const CanvasPicture& after);

}  // namespace vantor::paint
