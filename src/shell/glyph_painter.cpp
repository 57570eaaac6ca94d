#include "shell/glyph_painter.h"

#include <algorithm>

#include <QLineF>
#include <QPainter>
#include <QPen>

#include "display/glyph_metrics.h"
#include "shell/qt_text.h"

namespace vantor::shell {

QFont glyph_font() {
    QFont font(QStringLiteral("Courier New"));
    font.setPointSizeF(9.75);
    font.setBold(true);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

QColor state_color(int color) {
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

QRect glyph_rect(const Glyph& glyph) {
    return QRect(to_pixels(glyph.left), to_pixels(glyph.top), to_pixels(glyph.width),
                 to_pixels(glyph.height));
}

void paint_glyph(QPainter& painter, const Glyph& glyph, const QColor& paper) {
    if (!glyph.visible) return;
    const QRect rect = glyph_rect(glyph);
    painter.fillRect(rect, paper);

    const QColor ink = state_color(glyph.color);
    const bool framed = glyph.border == 1;
    if (framed) {
        painter.setPen(QPen(ink, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    }

    // Lines stand where the glyph metrics put them, whatever the font's own
    // leading, so the glyph fills exactly the size the core gave it.
    const int inset = framed ? to_pixels(kGlyphFrame) : 0;
    const int line_height = to_pixels(kGlyphLineHeight);
    painter.setFont(glyph_font());
    painter.setPen(ink);
    int y = rect.top() + inset;
    for (const QString& line : caption_lines(glyph.caption)) {
        painter.drawText(QRect(rect.left() + inset, y, rect.width() - 2 * inset, line_height),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, line);
        y += line_height;
    }
}

void paint_line(QPainter& painter, const LineControl& line) {
    if (!line.visible) return;
    painter.setPen(QPen(state_color(line.color), std::max(1.0, static_cast<double>(line.width))));
    const double scale = 1.0 / kTwipsPerPixel;
    painter.drawLine(QLineF(line.x1 * scale, line.y1 * scale, line.x2 * scale, line.y2 * scale));
}

}  // namespace vantor::shell
