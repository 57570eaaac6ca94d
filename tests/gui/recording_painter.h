#pragma once

#include <QtGui>
#include <memory>
#include <string>
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
    QPointF top;       // the left end of its top: the baseline less the font's ascent
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

// The drawing as text, one call a line (lines, then rectangles, then texts,
// each in the order drawn), in pixels to a hundredth. Texts stand at their
// top, so that the listing holds on machines whose fonts' ascents differ.
std::string listing(const Drawing& drawing);

// A paint device that keeps the draw calls made on it, so a test can say
// what was drawn where, with no pixels to read.
class RecordingDevice : public QPaintDevice {
  public:
    explicit RecordingDevice(QSize size = QSize(2000, 2000));
    ~RecordingDevice() override;

    QPaintEngine* paintEngine() const override;

    Drawing drawing;

  protected:
    int metric(PaintDeviceMetric m) const override;

  private:
    QSize size_;
    std::unique_ptr<QPaintEngine> engine_;
};

}  // namespace vantor::test
