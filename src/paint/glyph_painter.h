#pragma once

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QRect>
#include <cmath>
#include <string>
#include <vector>

#include "window/controls.h"

class QPainter;

namespace vantor::paint {

// 15 twips to a pixel at 100 %.
inline constexpr int kTwipsPerPixel = 15;

inline int to_pixels(double twips) {
    return static_cast<int>(std::floor(twips / kTwipsPerPixel));
}

// The twips shown at the top-left pixel of what is painted on: the scroll
// origin in a model window, 0, 0 on a palette, the picture's corner in a render.
struct ViewOrigin {
    double x = 0;
    double y = 0;
};

// The font of a glyph or of the caption box: its name, bold, and its point
// size taken at 96 dots an inch, the resolution the twips assume, so Courier
// New 9.75 pt is 13 pixels high on every device. A monospaced font keeps
// whole-pixel character cells, as the screen fonts the glyph metrics count
// on do: 8 pixels for the glyph font, whichever font stands in for it.
QFont control_font(const std::string& name, float points, bool bold);

// The fonts met while painting, each made once: most glyphs share one.
class FontBook {
  public:
    struct Entry {
        std::string name;
        float points = 0;
        bool bold = false;
        QFont font;
        int ascent = 0;
    };
    const Entry& font(const std::string& name, float points, bool bold);

  private:
    std::vector<Entry> entries_;
};

// Courier New, bold, 9.75 pt: the font the glyph metrics assume.
QFont glyph_font();

// A colour of the state (0x00BBGGRR, so 255 is red) as Qt's.
QColor state_color(int color);

// Where glyph `glyph` stands, in pixels from `origin`.
QRect glyph_rect(const Glyph& glyph, ViewOrigin origin = {});

// Where a line control's pen runs, in pixels from `origin`: each end on the
// pixel that holds it, the pen centred so that it covers whole pixels from
// there (a 1-pixel line through pixel centres, a 2-pixel one between two
// pixels), so straight lines come out crisp.
QLineF line_pixels(const LineControl& line, ViewOrigin origin = {});

// A line control's pen width in pixels: its width, at least 1.
double pen_width(const LineControl& line);

// Paints a glyph over `paper`: its caption lines in its colour and font,
// framed when its border is 1. Hidden glyphs paint nothing.
void paint_glyph(QPainter& painter, const Glyph& glyph, const QColor& paper, ViewOrigin origin,
                 FontBook& fonts);
void paint_glyph(QPainter& painter, const Glyph& glyph, const QColor& paper,
                 ViewOrigin origin = {});

// Paints a visible line control; its width is in pixels, as a line width is.
void paint_line(QPainter& painter, const LineControl& line, ViewOrigin origin = {});

}  // namespace vantor::paint
