#pragma once

#include <QRect>

#include "paint/glyph_painter.h"
#include "window/model_window.h"

namespace vantor::paint {

// The pixels, from `origin`, that a control paints, with room for the pen
// and the text; empty while the control is hidden. What an event changed is
// repainted from these.
QRect glyph_bounds(const Glyph& glyph, ViewOrigin origin);
QRect line_bounds(const LineControl& line, ViewOrigin origin);
QRect sector_bounds(const RectangleShape& sector, ViewOrigin origin);
QRect text_box_bounds(const TextBox& box, ViewOrigin origin);

// What a model window's drawing covers, in pixels from twips 0, 0: its
// visible glyphs and lines. Empty when nothing is shown.
QRect drawing_extent(const ModelWindow& window);

}  // namespace vantor::paint
