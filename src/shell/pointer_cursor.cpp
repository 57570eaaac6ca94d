#include "shell/pointer_cursor.h"

#include <QPainter>
#include <QPixmap>

#include "window/controls.h"

namespace vantor::shell {

namespace {

constexpr int kSide = 32;
constexpr int kHot = 11;  // the hot spot, at the centre of the cross

// The shape in black over a white outline, so it shows on any paper.
void draw_shape(QPainter& painter, const QColor& colour, int width) {
    QPen pen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    // The cross, its arms stopping short of the ring.
    painter.drawLine(kHot, 1, kHot, kHot - 5);
    painter.drawLine(kHot, kHot + 5, kHot, 2 * kHot - 1);
    painter.drawLine(1, kHot, kHot - 5, kHot);
    painter.drawLine(kHot + 5, kHot, 2 * kHot - 1, kHot);
    painter.drawEllipse(QPoint(kHot, kHot), 3, 3);
    // A bond leaving down to the right with its half-arrow barb.
    painter.drawLine(kHot + 8, kHot + 8, kSide - 4, kSide - 4);
    painter.drawLine(kSide - 4, kSide - 4, kSide - 4, kSide - 10);
}

QPixmap connect_picture() {
    QPixmap picture(kSide, kSide);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing, true);
    draw_shape(painter, Qt::white, 3);
    draw_shape(painter, Qt::black, 1);
    return picture;
}

}  // namespace

QCursor connect_cursor() {
    return QCursor(connect_picture(), kHot, kHot);
}

QCursor pointer_cursor(int mouse_pointer) {
    switch (mouse_pointer) {
        case kPointerCross:
            return QCursor(Qt::CrossCursor);
        case kPointerConnect:
            return connect_cursor();
        default:
            return QCursor(Qt::ArrowCursor);
    }
}

}  // namespace vantor::shell
