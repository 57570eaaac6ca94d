#include "shell/zoomed_view.h"

#include <algorithm>

#include <QPainter>
#include <QTransform>

namespace vantor::shell {

namespace {

// A scroll bar's thickness: the state's 255 twips at 100 %.
constexpr int kBarPixels = 17;

QRect scaled_outward(const QRect& rect, double by) {
    if (rect.isEmpty()) return rect;
    return QTransform::fromScale(by, by)
        .mapRect(QRectF(rect))
        .toAlignedRect()
        .adjusted(-1, -1, 1, 1);
}

}  // namespace

QRect to_screen(const QRect& unzoomed, double zoom) {
    return zoom == 1 ? unzoomed : scaled_outward(unzoomed, zoom);
}

QRect from_screen(const QRect& screen, double zoom) {
    return zoom == 1 ? screen : scaled_outward(screen, 1 / zoom);
}

void apply_zoom(QPainter& painter, double zoom) {
    if (zoom != 1) painter.scale(zoom, zoom);
}

EdgeBars edge_bars(QSize client) {
    const int right = std::max(0, client.width() - kBarPixels);
    const int bottom = std::max(0, client.height() - kBarPixels);
    return {QRect(0, bottom, right, kBarPixels), QRect(right, 0, kBarPixels, bottom),
            QRect(right, bottom, kBarPixels, kBarPixels)};
}

}  // namespace vantor::shell
