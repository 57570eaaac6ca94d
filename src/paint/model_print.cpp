#include "paint/model_print.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "paint/glyph_painter.h"
#include "paint/qt_text.h"

namespace vantor::paint {

namespace {

// A glyph font sized in twips: the painter counts twips, so a point is 20.
QFont twips_font(const Glyph& glyph) {
    QFont font(QString::fromStdString(glyph.font_name));
    font.setStyleHint(QFont::TypeWriter);
    font.setBold(glyph.bold);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(glyph.font_size * 20))));
    return font;
}

// A line's width counts pixels, as on the canvas; a pixel is 15 twips.
QPen black_pen(double width) {
    QPen pen(Qt::black, width * kTwipsPerPixel);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

// Captions, frames and bonds, each in its order; `draw_line` and `draw_text`
// see every stroke, so the extent and the picture cannot disagree.
template <typename Line, typename Text>
void walk_drawing(const ModelWindow& window, Line draw_line, Text draw_text) {
    for (int i = 1; i <= window.model.nobj; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const auto& obj = window.model.objs[k];
        draw_text(QPointF(obj.left, obj.top), window.image1[k]);
    }
    for (int i = 1; i <= window.model.nobj; ++i) {
        const Glyph& g = window.image1[static_cast<std::size_t>(i)];
        if (g.border != 1) continue;
        const QPointF a(g.left, g.top), b(g.left + g.width, g.top);
        const QPointF c(g.left + g.width, g.top + g.height), d(g.left, g.top + g.height);
        for (const QLineF& side : {QLineF(a, b), QLineF(b, c), QLineF(c, d), QLineF(d, a)}) {
            draw_line(side, 1.0);
        }
    }
    for (int j = 1; j <= window.model.nlin; ++j) {
        const auto k = static_cast<std::size_t>(j);
        const double width = window.linea[k].width;
        for (const LineControl* line : {&window.linea[k], &window.linea2[k], &window.Linea3[k]}) {
            // The bond line itself is always drawn; its barb and stroke when shown.
            if (line != &window.linea[k] && !line->visible) continue;
            draw_line(QLineF(line->x1, line->y1, line->x2, line->y2), width);
        }
    }
}

}  // namespace

void use_twips(QPainter& painter) {
    const QPaintDevice* device = painter.device();
    painter.scale(device->logicalDpiX() / kTwipsPerInch, device->logicalDpiY() / kTwipsPerInch);
}

void print_drawing(QPainter& painter, const ModelWindow& window, QPointF origin) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setBrush(Qt::NoBrush);
    walk_drawing(
        window,
        [&](const QLineF& line, double width) {
            painter.setPen(black_pen(width));
            painter.drawLine(line.translated(-origin));
        },
        [&](QPointF at, const Glyph& glyph) {
            const QFont font = twips_font(glyph);
            painter.setFont(font);
            painter.setPen(Qt::black);
            const QFontMetricsF metrics(font, painter.device());
            QPointF baseline = at - origin + QPointF(0, metrics.ascent());
            for (const QString& line : caption_lines(glyph.caption)) {
                painter.drawText(baseline, line);
                baseline.ry() += metrics.lineSpacing();
            }
        });
    painter.restore();
}

QRectF printed_extent(const ModelWindow& window) {
    QRectF extent;
    auto add = [&extent](const QRectF& rect) {
        extent = extent.isNull() ? rect : extent.united(rect);
    };
    walk_drawing(
        window,
        [&](const QLineF& line, double width) {
            const double half = width * kTwipsPerPixel / 2;
            add(QRectF(line.p1(), line.p2()).normalized().adjusted(-half, -half, half, half));
        },
        [&](QPointF at, const Glyph& glyph) {
            const QFontMetricsF metrics(twips_font(glyph));
            double wide = 0;
            double high = 0;
            for (const QString& line : caption_lines(glyph.caption)) {
                wide = std::max(wide, metrics.horizontalAdvance(line));
                high += metrics.lineSpacing();
            }
            if (wide > 0) add(QRectF(at, QSizeF(wide, high)));
        });
    return extent;
}

}  // namespace vantor::paint
