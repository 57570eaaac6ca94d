#include "paint/drawing_picture.h"

#include <QPainter>

#include "paint/control_bounds.h"
#include "paint/window_painter.h"

namespace vantor::paint {

QImage drawing_image(const ModelWindow& window, int margin) {
    QRect extent = drawing_extent(window);
    if (extent.isEmpty()) extent = QRect(0, 0, 0, 0);
    const QRect framed = extent.adjusted(-margin, -margin, margin, margin);
    QImage image(framed.size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(QColor::fromRgb(kPaperRgb));
    QPainter painter(&image);
    const ViewOrigin origin{static_cast<double>(framed.left()) * kTwipsPerPixel,
                            static_cast<double>(framed.top()) * kTwipsPerPixel};
    paint_window(painter, window, origin, image.rect());
    return image;
}

}  // namespace vantor::paint
