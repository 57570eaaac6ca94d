#pragma once

#include <QColor>
#include <QRect>

#include "paint/glyph_painter.h"
#include "window/model_window.h"

class QPainter;

namespace vantor::paint {

// The paper a model's drawing stands on.
inline constexpr QRgb kPaperRgb = 0xFFFFFFFF;

// The twips a model window shows at its top-left corner: its scroll values.
ViewOrigin scroll_origin(const ModelWindow& window);

// Paints a model window's drawing as seen from `origin`, on paper the caller
// laid: the three lines of every bond, the glyphs from back to front, then
// the rubber band, the selection rectangle and the caption box. Only what
// meets `exposed` (pixels) is painted. The canvas, the rendered pictures and
// the tests all draw through this.
void paint_window(QPainter& painter, const ModelWindow& window, ViewOrigin origin,
                  const QRect& exposed);

}  // namespace vantor::paint
