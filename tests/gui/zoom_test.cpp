#include <gtest/gtest.h>

#include <QLabel>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QWheelEvent>

#include "editor/pointer_router.h"
#include "editor/zoom.h"
#include "gui/model_window_session.h"
#include "gui/recording_painter.h"

namespace vantor::test {
namespace {

struct Zoomed : ModelWindowSession {
    void SetUp() override { open(); }

    // Palette entry 1 dropped with its centre on `at`.
    void drop(QPoint at) { ModelWindowSession::drop("bondgraph", 1, at); }

    // Where twips (x, y) are on the canvas now.
    QPoint on_screen(double x, double y) const {
        const double zoom = canvas->zoom_percent() / 100.0;
        return QPoint(static_cast<int>((x - state().viewport.HScroll1.value) * zoom / 15),
                      static_cast<int>((y - state().viewport.VScroll1.value) * zoom / 15));
    }

    QString field(const char* name) const {
        return window->statusBar()->findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
};

TEST_F(Zoomed, ADragMovesTheElementByThePixelsInTwipsAtTheZoom) {
    drop(QPoint(60, 60));
    ASSERT_EQ(state().model.nobj, 1);
    EXPECT_EQ(field("counts"), "1 element, 0 bonds, 0 signal links");
    for (int percent : {50, 200}) {
        canvas->set_zoom(percent, QPointF(0, 0));
        const Glyph& glyph = state().image1[1];
        const QPoint grip = on_screen(glyph.left + glyph.width / 2, glyph.top + glyph.height / 2);
        const int left = state().model.objs[1].left;
        const int top = state().model.objs[1].top;
        // The first move is where the drag starts from.
        QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, grip);
        QTest::mouseMove(canvas, grip + QPoint(1, 1));
        QTest::mouseMove(canvas, grip + QPoint(21, 13));
        QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, grip + QPoint(21, 13));
        EXPECT_EQ(state().model.objs[1].left - left, 20 * 15 * 100 / percent) << percent;
        EXPECT_EQ(state().model.objs[1].top - top, 12 * 15 * 100 / percent) << percent;
    }
}

TEST_F(Zoomed, TheWindowSeesTheVisibleTwipsAndTheBarsKeepToTheEdges) {
    const QSize client = canvas->size();
    canvas->set_zoom(200, QPointF(0, 0));
    EXPECT_EQ(state().viewport.width, client.width() * 7.5 + 120);
    EXPECT_EQ(state().viewport.height, client.height() * 7.5 + 675);
    EXPECT_EQ(canvas->vertical_bar()->geometry(),
              QRect(client.width() - 17, 0, 17, client.height() - 17));
    EXPECT_EQ(canvas->horizontal_bar()->geometry(),
              QRect(0, client.height() - 17, client.width() - 17, 17));

    // The glyphs' captions are painted twice as far from the corner.
    drop(QPoint(100, 60));
    const auto captions = [this] {
        RecordingDevice device(canvas->size());
        canvas->render(&device, QPoint(), QRegion(), QWidget::DrawWindowBackground);
        return device.drawing.texts;
    };
    const std::vector<DrawnText> large = captions();
    canvas->set_zoom(100, QPointF(0, 0));
    const std::vector<DrawnText> actual = captions();
    ASSERT_EQ(large.size(), 1u);
    ASSERT_EQ(actual.size(), 1u);
    EXPECT_EQ(large[0].baseline, actual[0].baseline * 2);
}

TEST_F(Zoomed, TheMenuAndTheWheelStepTheZoomAndTheStatusBarFollows) {
    QAction* in = item("&View > Zoom &In");
    ASSERT_NE(in, nullptr);
    EXPECT_TRUE(in->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Equal)));
    in->trigger();
    EXPECT_EQ(canvas->zoom_percent(), 110);
    EXPECT_EQ(field("zoom"), "110 %");
    item("&View > Zoom &Out")->trigger();
    item("&View > Zoom &Out")->trigger();
    EXPECT_EQ(canvas->zoom_percent(), 90);
    item("&View > &Actual Size")->trigger();
    EXPECT_EQ(field("zoom"), "100 %");
    // A passing message shows beside the fields.
    window->statusBar()->showMessage(QStringLiteral("Wrote x.mdl"));
    EXPECT_EQ(window->statusBar()->currentMessage(), "Wrote x.mdl");

    // Two notches of Ctrl+wheel about a point keep its twips under it.
    const QPointF at(200, 100);
    const float x = pixel_to_twips_x(state(), at.x());
    const float y = pixel_to_twips_y(state(), at.y());
    QWheelEvent wheel(at, canvas->mapToGlobal(at), QPoint(), QPoint(0, 240), Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(canvas, &wheel);
    EXPECT_EQ(canvas->zoom_percent(), 125);
    EXPECT_NEAR(pixel_to_twips_x(state(), at.x(), 1.25), x, 0.5);
    EXPECT_NEAR(pixel_to_twips_y(state(), at.y(), 1.25), y, 0.5);
    QTest::mouseMove(canvas, at.toPoint());
    EXPECT_EQ(field("pointer"),
              QStringLiteral("X %1  Y %2").arg(std::lround(x)).arg(std::lround(y)));
}

TEST_F(Zoomed, FitShowsTheWholeDrawingCentredWithAMarginOnEverySide) {
    drop(QPoint(300, 150));
    drop(QPoint(420, 180));
    item("&View > Zoom to &Fit")->trigger();
    EXPECT_GT(canvas->zoom_percent(), 100);
    const QSize view = canvas->size() - QSize(17, 17);
    const Glyph& first = state().image1[1];
    const Glyph& last = state().image1[2];
    const QPoint corner = on_screen(first.left, first.top);
    const QPoint end = on_screen(last.left + last.width, last.top + last.height);
    const int margin_x = static_cast<int>(fit_margin_pixels(view.width()));
    const int margin_y = static_cast<int>(fit_margin_pixels(view.height()));
    EXPECT_GE(corner.x(), margin_x - 1);
    EXPECT_GE(corner.y(), margin_y - 1);
    EXPECT_LE(end.x(), view.width() - margin_x + 1);
    EXPECT_LE(end.y(), view.height() - margin_y + 1);
    // Alike on both sides.
    EXPECT_NEAR(corner.x(), view.width() - end.x(), 2);
    EXPECT_NEAR(corner.y(), view.height() - end.y(), 2);
}

}  // namespace
}  // namespace vantor::test
