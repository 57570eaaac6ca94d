#pragma once

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QPaintDevice>
#include <QRectF>
#include <QSize>
#include <QString>
#include <memory>
#include <vector>

namespace vantor::test {

// What a painter drew, in device pixels.
struct DrawnLine {
    QLineF at;
    QColor colour;
    double width = 0;
    Qt::PenStyle style = Qt::SolidLine;
};

struct DrawnText {
    QPointF baseline;  // the left end of the text's baseline
    QString text;
    QColor colour;
    QFont font;
};

struct DrawnRect {
    QRectF at;
    QColor pen;  // invalid when drawn without a pen
    Qt::PenStyle pen_style = Qt::NoPen;
    QColor fill;  // invalid when not filled
};

// The draw calls, in the order they came.
struct Drawing {
    std::vector<DrawnLine> lines;
    std::vector<DrawnText> texts;
    std::vector<DrawnRect> rects;
};

// A paint device that keeps the draw calls made on it, so a test can say
// what was drawn where, with no pixels to read.
class RecordingDevice : public QPaintDevice {
  public:
    explicit RecordingDevice(QSize size = QSize(2000, 2000));
    ~RecordingDevice() override;

    QPaintEngine* paintEngine() const override;

    Drawing drawing;

  protected:
    int metric(PaintDeviceMetric metric) const override;

  private:
    QSize size_;
    std::unique_ptr<QPaintEngine> engine_;
};

}  // namespace vantor::test
