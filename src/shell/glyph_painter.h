#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

#include "window/controls.h"

class QPainter;

#include <cmath>

namespace vantor::shell {

// 15 twips to a pixel at 100 %.
inline constexpr int kTwipsPerPixel = 15;

inline int to_pixels(double twips) {
    return static_cast<int>(std::floor(twips / kTwipsPerPixel));
}

// Courier New, bold, 9.75 pt: the font the glyph metrics assume.
QFont glyph_font();

// A colour of the state (0x00BBGGRR, so 255 is red) as Qt's.
QColor state_color(int color);

// Where glyph `glyph` stands, in pixels.
QRect glyph_rect(const Glyph& glyph);

// Paints a glyph over `paper`: its caption lines in its colour, framed when
// its border is 1. Hidden glyphs paint nothing.
void paint_glyph(QPainter& painter, const Glyph& glyph, const QColor& paper);

// Paints a visible line control.
void paint_line(QPainter& painter, const LineControl& line);

}  // namespace vantor::shell
