#include "paint/window_painter.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include <QFontMetrics>
#include <QPainter>
#include <QPen>

#include "paint/control_bounds.h"
#include "paint/qt_text.h"

namespace vantor::paint {

namespace {

// Glyph numbers from back to front: by z-order, and of equal ones the lower
// number first, so the higher is in front.
std::vector<int> glyphs_back_to_front(const ModelWindow& window) {
    std::vector<int> order;
    order.reserve(static_cast<std::size_t>(std::max<int>(window.model.nobj, 0)));
    for (int i = 1; i <= window.model.nobj; ++i) {
        if (window.image1[static_cast<std::size_t>(i)].visible) order.push_back(i);
    }
    std::stable_sort(order.begin(), order.end(), [&window](int a, int b) {
        return window.image1[static_cast<std::size_t>(a)].z <
               window.image1[static_cast<std::size_t>(b)].z;
    });
    return order;
}

void paint_bonds(QPainter& painter, const ModelWindow& window, ViewOrigin origin,
                 const QRect& exposed) {
    for (int j = 1; j <= window.model.nlin; ++j) {
        const auto k = static_cast<std::size_t>(j);
        for (const LineControl* line : {&window.linea[k], &window.linea2[k], &window.Linea3[k]}) {
            if (line->visible && line_bounds(*line, origin).intersects(exposed)) {
                paint_line(painter, *line, origin);
            }
        }
    }
}

void paint_sector(QPainter& painter, const RectangleShape& sector, ViewOrigin origin) {
    if (!sector.visible) return;
    QPen pen(Qt::black, 1, Qt::DotLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF((sector.left - origin.x) / kTwipsPerPixel,
                            (sector.top - origin.y) / kTwipsPerPixel, sector.width / kTwipsPerPixel,
                            sector.height / kTwipsPerPixel));
}

// The caption box as a framed white box with its text; editing it in place
// is the caption editor's.
void paint_text_box(QPainter& painter, const TextBox& box, ViewOrigin origin) {
    if (!box.visible) return;
    const QRect rect(to_pixels(box.left - origin.x), to_pixels(box.top - origin.y),
                     to_pixels(box.width), to_pixels(box.height));
    painter.fillRect(rect, Qt::white);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.save();
    painter.setClipRect(rect.adjusted(1, 1, -1, -1), Qt::IntersectClip);
    FontBook fonts;
    const QFont& font = fonts.font(box.font_name, box.font_size, box.bold).font;
    painter.setFont(font);
    const QFontMetrics metrics(font);
    int baseline = rect.top() + 2 + metrics.ascent();
    for (const QString& line : caption_lines(box.text)) {
        painter.drawText(QPoint(rect.left() + 2, baseline), line);
        baseline += metrics.lineSpacing();
    }
    painter.restore();
}

}  // namespace

ViewOrigin scroll_origin(const ModelWindow& window) {
    return {static_cast<double>(window.viewport.HScroll1.value),
            static_cast<double>(window.viewport.VScroll1.value)};
}

void paint_window(QPainter& painter, const ModelWindow& window, ViewOrigin origin,
                  const QRect& exposed) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    paint_bonds(painter, window, origin, exposed);
    painter.setRenderHint(QPainter::Antialiasing, false);

    const QColor paper = QColor::fromRgb(kPaperRgb);
    FontBook fonts;
    for (int i : glyphs_back_to_front(window)) {
        const Glyph& glyph = window.image1[static_cast<std::size_t>(i)];
        if (glyph_bounds(glyph, origin).intersects(exposed)) {
            paint_glyph(painter, glyph, paper, origin, fonts);
        }
    }

    painter.setRenderHint(QPainter::Antialiasing, true);
    paint_line(painter, window.Line1, origin);
    painter.setRenderHint(QPainter::Antialiasing, false);
    paint_sector(painter, window.sector, origin);
    paint_text_box(painter, window.Text1, origin);
    painter.restore();
}

}  // namespace vantor::paint
