#pragma once

#include <QPointF>
#include <QRectF>

#include "window/model_window.h"

class QPainter;

namespace vantor::paint {

// Twips to an inch: the unit of the printed page.
inline constexpr double kTwipsPerInch = 1440;

// Makes one unit of `painter` one twip on its device, whatever the device's
// resolution.
void use_twips(QPainter& painter);

// The printed picture of a model window, in black on whatever the page is:
// every element's caption at its record's left/top in its glyph's font, the
// frame of every framed glyph, and every visible line of every bond with the
// bond's width. `origin` (twips) lands on the painter's 0, 0. The painter
// must count in twips (use_twips). Printing and picture export both draw
// through this, so what is exported is what is printed.
void print_drawing(QPainter& painter, const ModelWindow& window, QPointF origin = {});

// The twips the printed picture covers (captions, frames and visible bond
// lines); empty for an empty model.
QRectF printed_extent(const ModelWindow& window);

}  // namespace vantor::paint
