#include "gui/recording_painter.h"

namespace vantor::test {

namespace {

// Claims every feature, so the painter hands over its primitives as they
// were asked for, with the transformation to apply here. The integer
// overloads of the base class convert to these.
class RecordingEngine : public QPaintEngine {
  public:
    explicit RecordingEngine(RecordingDevice& device)
        : QPaintEngine(QPaintEngine::AllFeatures), device_(device) {}

    using QPaintEngine::drawLines;
    using QPaintEngine::drawRects;

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState& state) override {
        const DirtyFlags dirty = state.state();
        if (dirty & DirtyPen) pen_ = state.pen();
        if (dirty & DirtyBrush) brush_ = state.brush();
        if (dirty & DirtyTransform) transform_ = state.transform();
    }

    void drawLines(const QLineF* lines, int count) override {
        if (pen_.style() == Qt::NoPen) return;
        for (int n = 0; n < count; ++n) {
            device_.drawing.lines.push_back(
                {transform_.map(lines[n]), pen_.color(), pen_.widthF(), pen_.style()});
        }
    }

    void drawRects(const QRectF* rects, int count) override {
        for (int n = 0; n < count; ++n) {
            DrawnRect drawn;
            drawn.at = transform_.mapRect(rects[n]);
            if (pen_.style() != Qt::NoPen) {
                drawn.pen = pen_.color();
                drawn.pen_style = pen_.style();
            }
            if (brush_.style() != Qt::NoBrush) drawn.fill = brush_.color();
            device_.drawing.rects.push_back(drawn);
        }
    }

    void drawTextItem(const QPointF& at, const QTextItem& item) override {
        // The painters place a line at its top plus the ascent as they
        // measure it: whole pixels on the screen, the device's on a page.
        const double ascent = transform_.isScaling() ? QFontMetricsF(item.font(), &device_).ascent()
                                                     : QFontMetrics(item.font()).ascent();
        device_.drawing.texts.push_back({transform_.map(at),
                                         transform_.map(at - QPointF(0, ascent)), item.text(),
                                         pen_.color(), item.font()});
    }

    // Pictures, polygons and paths are not what the drawing is made of.
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawPath(const QPainterPath&) override {}

  private:
    RecordingDevice& device_;
    QPen pen_;
    QBrush brush_;
    QTransform transform_;
};

QString number(double v) {
    QString text = QString::number(v, 'f', 2);
    while (text.contains(u'.') && (text.endsWith(u'0') || text.endsWith(u'.'))) text.chop(1);
    return text == QStringLiteral("-0") ? QStringLiteral("0") : text;
}

QString point(QPointF p) {
    return number(p.x()) + u',' + number(p.y());
}

QString colour(const QColor& c) {
    return c.isValid() ? c.name() : QStringLiteral("none");
}

const char* style(Qt::PenStyle s) {
    if (s == Qt::NoPen || s == Qt::SolidLine) return s == Qt::NoPen ? "none" : "solid";
    return s == Qt::DotLine ? "dot" : "other";
}

}  // namespace

std::string listing(const Drawing& drawing) {
    QString text;
    for (const DrawnLine& l : drawing.lines) {
        text += QStringLiteral("line %1 %2 %3 %4 %5\n")
                    .arg(point(l.at.p1()), point(l.at.p2()), colour(l.colour), number(l.width),
                         QString::fromLatin1(style(l.style)));
    }
    for (const DrawnRect& r : drawing.rects) {
        text += QStringLiteral("rect %1 %2x%3 pen %4 %5 fill %6\n")
                    .arg(point(r.at.topLeft()), number(r.at.width()), number(r.at.height()),
                         colour(r.pen), QString::fromLatin1(style(r.pen_style)), colour(r.fill));
    }
    for (const DrawnText& t : drawing.texts) {
        text +=
            QStringLiteral("text \"%1\" %2 %3 %4%5 %6\n")
                .arg(t.text, point(t.top), colour(t.colour), t.font.family(),
                     t.font.bold() ? QStringLiteral(" bold") : QString(),
                     t.font.pixelSize() > 0 ? number(t.font.pixelSize()) + QStringLiteral("px")
                                            : number(t.font.pointSizeF()) + QStringLiteral("pt"));
    }
    return text.toStdString();
}

RecordingDevice::RecordingDevice(QSize size)
    : size_(size), engine_(std::make_unique<RecordingEngine>(*this)) {}

RecordingDevice::~RecordingDevice() = default;

QPaintEngine* RecordingDevice::paintEngine() const {
    return engine_.get();
}

// 96 dots an inch: 15 twips a pixel.
int RecordingDevice::metric(PaintDeviceMetric m) const {
    const bool wide = m == PdmWidth || m == PdmWidthMM;
    if (wide || m == PdmHeight || m == PdmHeightMM) {
        const int pixels = wide ? size_.width() : size_.height();
        return m == PdmWidth || m == PdmHeight ? pixels : pixels * 254 / 960;
    }
    if (m == PdmDpiX || m == PdmDpiY || m == PdmPhysicalDpiX || m == PdmPhysicalDpiY) return 96;
    if (m == PdmDevicePixelRatioScaled) return static_cast<int>(devicePixelRatioFScale());
    return m == PdmNumColors ? 0x7fffffff : m == PdmDepth ? 32 : m == PdmDevicePixelRatio ? 1 : 0;
}

}  // namespace vantor::test
