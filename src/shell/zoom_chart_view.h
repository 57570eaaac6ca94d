#pragma once

#include <QChart>
#include <QChartView>
#include <QMouseEvent>
#include <QRubberBand>
#include <cmath>
#include <functional>

namespace vantor::shell {

// A drag shorter than this is a click, not a zoom.
inline constexpr int kLeastZoomPixels = 4;

// A chart that zooms to a dragged rectangle, shows all again on a right or
// double click, and tells where the pointer is along its horizontal axis.
class ZoomChartView : public QChartView {
  public:
    // Shows `chart`, or an empty one to be replaced, at least `height` pixels high.
    ZoomChartView(QChart* chart, int height, std::function<void(double)> pointer_at)
        : QChartView(chart != nullptr ? chart : new QChart), pointer_at_(std::move(pointer_at)) {
        setRubberBand(QChartView::RectangleRubberBand);
        setRenderHint(QPainter::Antialiasing);
        setMouseTracking(true);
        setMinimumHeight(height);
    }

  protected:
    void mousePressEvent(QMouseEvent* event) override {
        pressed_at_ = event->position().toPoint();
        QChartView::mousePressEvent(event);
    }

    void mouseMoveEvent(QMouseEvent* event) override {
        const QPointF at = chart()->mapFromScene(mapToScene(event->position().toPoint()));
        if (chart()->plotArea().contains(at)) pointer_at_(chart()->mapToValue(at).x());
        QChartView::mouseMoveEvent(event);
    }

    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::RightButton) {
            chart()->zoomReset();
            event->accept();
            return;
        }
        if (event->button() == Qt::LeftButton) {
            const QPoint drag = event->position().toPoint() - pressed_at_;
            if (std::abs(drag.x()) < kLeastZoomPixels || std::abs(drag.y()) < kLeastZoomPixels) {
                // Hidden, the band is not zoomed into: a click is no zoom.
                if (auto* band = findChild<QRubberBand*>()) band->hide();
            }
        }
        QChartView::mouseReleaseEvent(event);
    }

    void mouseDoubleClickEvent(QMouseEvent* event) override {
        chart()->zoomReset();
        event->accept();
    }

  private:
    std::function<void(double)> pointer_at_;
    QPoint pressed_at_;
};

}  // namespace vantor::shell
