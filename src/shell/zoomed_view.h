#pragma once

#include <QRect>
#include <QSize>

class QPainter;

namespace vantor::shell {

// The painters work in 100 % pixels; a zoomed canvas shows them scaled.
// Both maps cover every pixel the other side touches, so a repaint or an
// exposed area loses nothing to rounding. At zoom 1 they change nothing.
QRect to_screen(const QRect& unzoomed, double zoom);
QRect from_screen(const QRect& screen, double zoom);

// Scales what `painter` paints next by `zoom`.
void apply_zoom(QPainter& painter, double zoom);

// The scroll bars and the filler between them, kept at their usual pixel
// size on the edges of a client area of `client` pixels: the window's state
// lays them out in twips, which fits the screen only at 100 %.
struct EdgeBars {
    QRect horizontal;
    QRect vertical;
    QRect corner;
};
EdgeBars edge_bars(QSize client);

}  // namespace vantor::shell
