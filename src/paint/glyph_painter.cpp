#include "paint/glyph_painter.h"

#include <algorithm>

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>

#include "display/glyph_metrics.h"
#include "paint/qt_text.h"

namespace vantor::paint {

namespace {

// The resolution at which a pixel is 15 twips.
constexpr double kDotsPerInch = 96;

}  // namespace

QFont control_font(const std::string& name, float points, bool bold) {
    QFont font(QString::fromStdString(name));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * kDotsPerInch / 72))));
    font.setBold(bold);
    font.setStyleHint(QFont::TypeWriter);
    if (QFontInfo(font).fixedPitch()) {
        const qreal advance = QFontMetricsF(font).horizontalAdvance(QLatin1Char('M'));
        const qreal cell = std::max<qreal>(1, std::round(advance));
        if (cell != advance) font.setLetterSpacing(QFont::AbsoluteSpacing, cell - advance);
    }
    return font;
}

const FontBook::Entry& FontBook::font(const std::string& name, float points, bool bold) {
    for (const Entry& entry : entries_) {
        if (entry.points == points && entry.bold == bold && entry.name == name) return entry;
    }
    QFont made = control_font(name, points, bold);
    const int ascent = QFontMetrics(made).ascent();
    entries_.push_back({name, points, bold, std::move(made), ascent});
    return entries_.back();
}

QFont glyph_font() {
    const Glyph plain;
    return control_font(plain.font_name, plain.font_size, plain.bold);
}

QColor state_color(int color) {
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

QRect glyph_rect(const Glyph& glyph, ViewOrigin origin) {
    return QRect(to_pixels(glyph.left - origin.x), to_pixels(glyph.top - origin.y),
                 to_pixels(glyph.width), to_pixels(glyph.height));
}

double pen_width(const LineControl& line) {
    return std::max(1.0, static_cast<double>(line.width));
}

QLineF line_pixels(const LineControl& line, ViewOrigin origin) {
    const double centre = pen_width(line) / 2;
    return QLineF(to_pixels(line.x1 - origin.x) + centre, to_pixels(line.y1 - origin.y) + centre,
                  to_pixels(line.x2 - origin.x) + centre, to_pixels(line.y2 - origin.y) + centre);
}

void paint_glyph(QPainter& painter, const Glyph& glyph, const QColor& paper, ViewOrigin origin) {
    FontBook fonts;
    paint_glyph(painter, glyph, paper, origin, fonts);
}

void paint_glyph(QPainter& painter, const Glyph& glyph, const QColor& paper, ViewOrigin origin,
                 FontBook& fonts) {
    if (!glyph.visible) return;
    const QRect rect = glyph_rect(glyph, origin);
    painter.fillRect(rect, paper);

    const QColor ink = state_color(glyph.color);
    const bool framed = glyph.border == 1;
    if (framed) {
        painter.setPen(QPen(ink, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    }

    // Lines stand where the glyph metrics put them, whatever the font's own
    // leading, so the glyph fills exactly the size the core gave it. A glyph
    // that sizes itself fits its caption; one given a size cuts it off there.
    const bool clipped = !glyph.autosize;
    if (clipped) {
        painter.save();
        painter.setClipRect(rect, Qt::IntersectClip);
    }
    const FontBook::Entry& font = fonts.font(glyph.font_name, glyph.font_size, glyph.bold);
    painter.setFont(font.font);
    painter.setPen(ink);
    const int inset = framed ? to_pixels(kGlyphFrame) : 0;
    const int line_height = to_pixels(kGlyphLineHeight);
    int top = rect.top() + inset;
    for (const QString& line : caption_lines(glyph.caption)) {
        if (!line.isEmpty()) {
            painter.drawText(QPoint(rect.left() + inset, top + font.ascent), line);
        }
        top += line_height;
    }
    if (clipped) painter.restore();
}

void paint_line(QPainter& painter, const LineControl& line, ViewOrigin origin) {
    if (!line.visible) return;
    QPen pen(state_color(line.color), pen_width(line));
    pen.setCapStyle(Qt::SquareCap);
    // A zoomed-out view thins the lines with the picture, but never below a
    // pixel, which would leave them faint.
    const double scale = painter.transform().m11();
    if (scale < 1) {
        pen.setCosmetic(true);
        pen.setWidthF(std::max(1.0, pen_width(line) * scale));
    }
    painter.setPen(pen);
    painter.drawLine(line_pixels(line, origin));
}

}  // namespace vantor::paint
