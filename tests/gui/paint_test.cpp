#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <cmath>

#include "display/redraw.h"
#include "display/viewport.h"
#include "gui/recording_painter.h"
#include "paint/glyph_painter.h"
#include "paint/window_painter.h"
#include "window/window_builder.h"

namespace vantor::test {
namespace {

using paint::paint_window;
using paint::scroll_origin;

constexpr double kClose = 0.01;  // pixels

const QColor kBlack(0, 0, 0);
const QColor kRed(255, 0, 0);

Drawing painted(const ModelWindow& window, QRect exposed = QRect(0, 0, 2000, 2000)) {
    RecordingDevice device;
    QPainter painter(&device);
    paint_window(painter, window, scroll_origin(window), exposed);
    painter.end();
    return device.drawing;
}

bool near(QPointF a, QPointF b) {
    return std::abs(a.x() - b.x()) < kClose && std::abs(a.y() - b.y()) < kClose;
}

std::string text_of(QPointF p) {
    return "(" + std::to_string(p.x()) + ", " + std::to_string(p.y()) + ")";
}

// A line from `a` to `b`, either way round, in `colour` and `width` pixels.
testing::AssertionResult drew_line(const Drawing& device, QPointF a, QPointF b, QColor colour,
                                   double width) {
    for (const DrawnLine& line : device.lines) {
        const bool ends = (near(line.at.p1(), a) && near(line.at.p2(), b)) ||
                          (near(line.at.p1(), b) && near(line.at.p2(), a));
        if (ends && line.colour == colour && line.width == width) {
            return testing::AssertionSuccess();
        }
    }
    auto failure = testing::AssertionFailure()
                   << "no " << width << " px " << colour.name().toStdString() << " line "
                   << text_of(a) << "-" << text_of(b) << "; drawn:";
    for (const DrawnLine& line : device.lines) {
        failure << " " << text_of(line.at.p1()) << "-" << text_of(line.at.p2()) << " "
                << line.colour.name().toStdString() << " " << line.width;
    }
    return failure;
}

const DrawnText* drawn_text(const Drawing& device, const QString& text) {
    for (const DrawnText& drawn : device.texts) {
        if (drawn.text == text) return &drawn;
    }
    return nullptr;
}

int ascent() {
    return QFontMetrics(paint::glyph_font()).ascent();
}

// Two one-letter glyphs 3000 twips apart, as a loaded model shows them:
// A's top-left corner at (1500, 1500) twips, pixel (100, 100).
struct TwoGlyphs {
    enum class Layout { kBRightOfA, kBBelowA };

    explicit TwoGlyphs(Layout layout) {
        a = w.element("R", "A", 1500, 1500);
        b = layout == Layout::kBRightOfA ? w.element("C", "B", 4500, 1500)
                                         : w.element("C", "B", 1500, 4500);
    }
    WindowBuilder w;
    int a = 0, b = 0;
};

struct BondCase {
    const char* name;
    TwoGlyphs::Layout layout;
    bool from_a;  // obj1 is A
    int causa;
    bool selected;
    int hscroll, vscroll;
    QLineF line, barb, stroke;  // pixels; the barb from its free end to the bond's obj2 end
};

// The bond line runs between the circles through the glyphs' corners (radius
// 127.5 twips, 8.5 px); the barb (10 px) leans back from the obj2 end on the
// left of the power direction as seen on the screen; the stroke (16 px)
// crosses the end that receives the effort: obj2 for causa 1, obj1 for 2.
// A 2-pixel pen runs between the pixel holding an end and the next one.
// Scrolling moves everything left and up by the scroll, and nothing else.
const BondCase kBondCases[] = {
    {"power to the right, stroke at obj2", TwoGlyphs::Layout::kBRightOfA, true, 1, false, 0, 0,
     QLineF(113, 108, 296, 108), QLineF(289, 101, 296, 108), QLineF(296, 100, 296, 116)},
    {"power to the left: barb below, stroke at obj1, selected", TwoGlyphs::Layout::kBRightOfA,
     false, 2, true, 0, 0, QLineF(296, 108, 113, 108), QLineF(120, 115, 113, 108),
     QLineF(296, 100, 296, 116)},
    {"power downwards: barb to the right", TwoGlyphs::Layout::kBBelowA, true, 1, false, 0, 0,
     QLineF(105, 117, 105, 300), QLineF(112, 292, 105, 300), QLineF(97, 300, 113, 300)},
    {"scrolled right 300 and down 150", TwoGlyphs::Layout::kBRightOfA, true, 1, false, 300, 150,
     QLineF(93, 98, 276, 98), QLineF(269, 91, 276, 98), QLineF(276, 90, 276, 106)},
};

TEST(PaintWindow, BondLineBarbAndStrokeStandWhereABondGraphReaderExpectsThem) {
    for (const BondCase& c : kBondCases) {
        SCOPED_TRACE(c.name);
        TwoGlyphs model(c.layout);
        const int bond = c.from_a ? model.w.bond(model.a, model.b, c.causa)
                                  : model.w.bond(model.b, model.a, c.causa);
        model.w.rec(bond).selected = c.selected ? kTrue : kFalse;
        refresco(model.w.window, model.w.app);
        set_hscroll(model.w.window, c.hscroll);
        set_vscroll(model.w.window, c.vscroll);

        const Drawing device = painted(model.w.window);
        const QColor colour = c.selected ? kRed : kBlack;
        EXPECT_EQ(device.lines.size(), 3u);
        EXPECT_TRUE(drew_line(device, c.line.p1(), c.line.p2(), colour, 2));
        EXPECT_TRUE(drew_line(device, c.barb.p1(), c.barb.p2(), colour, 2));
        EXPECT_TRUE(drew_line(device, c.stroke.p1(), c.stroke.p2(), colour, 2));
        const DrawnText* a = drawn_text(device, "A");
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->baseline, QPointF(100 - c.hscroll / 15, 100 - c.vscroll / 15 + ascent()));
    }
}

TEST(PaintWindow, ASignalLinkIsOneThinLineFromCentreToCentre) {
    TwoGlyphs model(TwoGlyphs::Layout::kBRightOfA);
    model.w.bond(model.a, model.b, 4);
    refresco(model.w.window, model.w.app);
    const Drawing device = painted(model.w.window);
    ASSERT_EQ(device.lines.size(), 1u);
    // A 1-pixel pen runs through the centres of the pixels.
    EXPECT_TRUE(drew_line(device, QPointF(104.5, 107.5), QPointF(304.5, 107.5), kBlack, 1));
}

TEST(PaintWindow, GlyphCaptionsStandAtTheirCornerInTheirColourAndFont) {
    WindowBuilder w;
    w.element("R", "R1", 1500, 1500);
    const int framed = w.element("Se", "Se", 3000, 1500);
    w.frame(framed);
    const int selected = w.element("C", "C", 4500, 3000);
    w.obj(selected).selected = kTrue;
    w.glyph(selected).color = w.app.colsel;
    const int two_lines = w.element("I", "I", 1500, 4500);
    w.glyph(two_lines).caption = "I\r:0.001";
    w.glyph(two_lines).height = 450;

    const Drawing device = painted(w.window);
    const int top = ascent();
    struct Expected {
        QString text;
        QPointF baseline;
        QColor colour;
    };
    const Expected expected[] = {
        {"R1", QPointF(100, 100 + top), kBlack},
        {"Se", QPointF(201, 101 + top), kBlack},  // inside the frame
        {"C", QPointF(300, 200 + top), kRed},
        {"I", QPointF(100, 300 + top), kBlack},
        {":0.001", QPointF(100, 315 + top), kBlack},  // a line is 15 px
    };
    for (const Expected& e : expected) {
        const DrawnText* text = drawn_text(device, e.text);
        ASSERT_NE(text, nullptr) << e.text.toStdString();
        EXPECT_EQ(text->baseline, e.baseline) << e.text.toStdString();
        EXPECT_EQ(text->colour, e.colour) << e.text.toStdString();
        EXPECT_TRUE(text->font.bold());
        EXPECT_EQ(text->font.pixelSize(), 13);
    }
    EXPECT_EQ(device.texts.size(), std::size(expected));

    // Only the framed glyph has a frame, in its text colour, on its edge.
    int frames = 0;
    for (const DrawnRect& rect : device.rects) {
        if (!rect.pen.isValid()) continue;
        ++frames;
        EXPECT_EQ(rect.at, QRectF(200, 100, 15, 14));
        EXPECT_EQ(rect.pen, kBlack);
    }
    EXPECT_EQ(frames, 1);
}

TEST(PaintWindow, TheGlyphFontHasTheWidthTheGlyphMetricsAssume) {
    const QFont font = paint::glyph_font();
    // 120 twips a character and 225 a line: 8 and 15 pixels.
    EXPECT_EQ(QFontMetrics(font).horizontalAdvance(QStringLiteral("MMMMMMMMMM")), 80)
        << QFontInfo(font).family().toStdString();
    EXPECT_LE(QFontMetrics(font).height(), 15);
}

TEST(PaintWindow, GlyphsInFrontArePaintedLater) {
    WindowBuilder w;
    const int back = w.element("R", "back", 1500, 1500);
    const int front = w.element("R", "front", 1560, 1560);
    w.glyph(back).z = 5;
    w.glyph(front).z = 2;
    const Drawing device = painted(w.window);
    ASSERT_EQ(device.texts.size(), 2u);
    EXPECT_EQ(device.texts[0].text, "front");
    EXPECT_EQ(device.texts[1].text, "back");
}

TEST(PaintWindow, TheRubberBandTheRectangleAndTheCaptionBoxShowWhileVisible) {
    WindowBuilder w;
    const Drawing nothing = painted(w.window);
    EXPECT_TRUE(nothing.lines.empty());
    EXPECT_TRUE(nothing.rects.empty());
    EXPECT_TRUE(nothing.texts.empty());

    w.window.Line1 = LineControl{150, 300, 1500, 600, 0, true, 1};
    w.window.sector = RectangleShape{300, 450, 1500, 750, true};
    w.window.Text1.visible = true;
    w.window.Text1.left = 3000;
    w.window.Text1.top = 3000;
    w.window.Text1.width = 1500;
    w.window.Text1.height = 450;
    w.window.Text1.text = "note";
    const Drawing device = painted(w.window);

    EXPECT_TRUE(drew_line(device, QPointF(10.5, 20.5), QPointF(100.5, 40.5), kBlack, 1));
    bool dotted = false;
    for (const DrawnRect& rect : device.rects) {
        if (rect.pen_style == Qt::DotLine) {
            dotted = true;
            EXPECT_EQ(rect.at, QRectF(20, 30, 100, 50));
            EXPECT_FALSE(rect.fill.isValid());
        }
    }
    EXPECT_TRUE(dotted);
    const DrawnText* note = drawn_text(device, "note");
    ASSERT_NE(note, nullptr);
    EXPECT_GT(note->baseline.x(), 200);
    EXPECT_LT(note->baseline.y(), 230);
}

TEST(PaintWindow, OnlyWhatMeetsTheExposedAreaIsPainted) {
    TwoGlyphs model(TwoGlyphs::Layout::kBRightOfA);
    model.w.bond(model.a, model.b, 1);
    model.w.element("R", "far", 15000, 12000);
    refresco(model.w.window, model.w.app);

    const Drawing device = painted(model.w.window, QRect(950, 750, 100, 100));
    ASSERT_EQ(device.texts.size(), 1u);
    EXPECT_EQ(device.texts[0].text, "far");
    EXPECT_TRUE(device.lines.empty());
}

}  // namespace
}  // namespace vantor::test
