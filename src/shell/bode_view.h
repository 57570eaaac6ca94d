#pragma once

#include <QChartView>
#include <QMouseEvent>
#include <QRubberBand>
#include <cmath>
#include <functional>

namespace vantor::shell {

inline constexpr int kBodeChartHeight = 260;
// A drag shorter than this is a click, not a zoom.
inline constexpr int kBodeLeastZoomPixels = 4;

// A Bode chart with the simulation charts' habits: drag a rectangle to zoom,
// right click or double click to see all again; the pointer's frequency
// goes to the readout.
class BodeView : public QChartView {
  public:
    explicit BodeView(std::function<void(double)> pointer_at) : pointer_at_(std::move(pointer_at)) {
        setRubberBand(QChartView::RectangleRubberBand);
        setRenderHint(QPainter::Antialiasing);
        setMouseTracking(true);
        setMinimumHeight(kBodeChartHeight);
    }

  protected:
    void mouseMoveEvent(QMouseEvent* event) override {
        const QPointF at = chart()->mapFromScene(mapToScene(event->position().toPoint()));
        if (chart()->plotArea().contains(at)) pointer_at_(chart()->mapToValue(at).x());
        QChartView::mouseMoveEvent(event);
    }

    void mousePressEvent(QMouseEvent* event) override {
        pressed_at_ = event->position().toPoint();
        QChartView::mousePressEvent(event);
    }

    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::RightButton) {
            chart()->zoomReset();
            event->accept();
            return;
        }
        if (event->button() == Qt::LeftButton) {
            const QPoint drag = event->position().toPoint() - pressed_at_;
            if (std::abs(drag.x()) < kBodeLeastZoomPixels ||
                std::abs(drag.y()) < kBodeLeastZoomPixels) {
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

// Shows `chart` in `view`, deleting the chart it showed.
void replace_chart(QChartView& view, QChart* chart);

}  // namespace vantor::shell
