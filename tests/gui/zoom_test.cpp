#include "editor/zoom.h"
#include "editor/pointer_router.h"
#include "gui/model_window_session.h"

namespace vantor::test {
namespace {

using Zoomed = ModelWindowSession;

// One session through the canvas's sizes and zooms: what the window's state
// sees of it, where the bars stand, what a drag moves (the journal case pins
// the resize and the drags in twips), the zoom commands and the status bar.
TEST_F(Zoomed, TheStateAndTheBarsFollowTheCanvasSizeAndZoom) {
    open();
    const auto field = [this](const char* name) {
        return window->statusBar()->findChild<QLabel*>(QString::fromLatin1(name))->text();
    };
    // Where twips (x, y) are on the canvas now.
    const auto on_screen = [this](double x, double y) {
        const double zoom = canvas->zoom_percent() / 100.0;
        return QPoint(static_cast<int>((x - state().viewport.HScroll1.value) * zoom / 15),
                      static_cast<int>((y - state().viewport.VScroll1.value) * zoom / 15));
    };
    // The state sees the visible twips; the bars keep to the canvas's edges.
    const auto expect_layout = [this](double zoom, int gap) {
        const QSize c = canvas->size();
        EXPECT_EQ(state().viewport.width, c.width() * 15 / zoom + 120);
        EXPECT_EQ(state().viewport.height, c.height() * 15 / zoom + 675);
        EXPECT_EQ(canvas->vertical_bar()->geometry(),
                  QRect(c.width() - 17, 0, 17, c.height() - gap));
        EXPECT_EQ(canvas->horizontal_bar()->geometry(),
                  QRect(0, c.height() - 17, c.width() - gap, 17));
    };
    expect_layout(1, 16);
    EXPECT_EQ(canvas->corner()->geometry().topLeft(),
              QPoint(canvas->width() - 16, canvas->height() - 16));
    for (QScrollBar* bar : {canvas->horizontal_bar(), canvas->vertical_bar()}) {
        EXPECT_EQ(std::tuple(bar->minimum(), bar->maximum(), bar->singleStep(), bar->pageStep()),
                  std::tuple(0, 20000, 100, 500));
    }
    // A new size is the window's event, and the bars follow it.
    const int w = canvas->width();
    window->resize(window->width() + 150, window->height() + 60);
    settle();
    EXPECT_EQ(canvas->width(), w + 150);
    expect_layout(1, 16);

    // Zoomed in, the glyphs' captions are painted twice as far from the corner.
    drop("bondgraph", 1, QPoint(60, 60));
    EXPECT_EQ(field("counts"), "1 element, 0 bonds, 0 signal links");
    const std::vector<QPointF> actual = caption_baselines();
    ASSERT_EQ(actual.size(), 1u);
    canvas->set_zoom(200, QPointF(0, 0));
    expect_layout(2, 17);
    EXPECT_EQ(caption_baselines(), std::vector{actual[0] * 2});

    // A drag moves the element by the pixels in twips at the zoom.
    for (int percent : {50, 200}) {
        canvas->set_zoom(percent, QPointF(0, 0));
        const Glyph& glyph = state().image1[1];
        const QPoint grip = on_screen(glyph.left + glyph.width / 2, glyph.top + glyph.height / 2);
        // The first move is where the drag starts from.
        QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, grip);
        QTest::mouseMove(canvas, grip + QPoint(1, 1));
        QTest::mouseMove(canvas, grip + QPoint(21, 13));
        QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, grip + QPoint(21, 13));
    }

    // The menu steps the zoom, and the status bar follows.
    item("&View > &Actual Size")->trigger();
    item("&View > Zoom &In")->trigger();
    EXPECT_EQ(field("zoom"), "110 %");
    item("&View > Zoom &Out")->trigger();
    item("&View > Zoom &Out")->trigger();
    EXPECT_EQ(canvas->zoom_percent(), 90);
    item("&View > &Actual Size")->trigger();
    EXPECT_EQ(field("zoom"), "100 %");
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

    // Fit shows the whole drawing centred, with a margin on every side.
    drop("bondgraph", 1, on_screen(3500, 2000));
    item("&View > Zoom to &Fit")->trigger();
    EXPECT_GT(canvas->zoom_percent(), 100);
    const QSize view = canvas->size() - QSize(17, 17);
    const Glyph& first = state().image1[1];
    const Glyph& last = state().image1[2];
    const QPoint corner = on_screen(first.left, first.top);
    const QPoint end = on_screen(last.left + last.width, last.top + last.height);
    const int margin_x = static_cast<int>(fit_margin_pixels(view.width()));
    const int margin_y = static_cast<int>(fit_margin_pixels(view.height()));
    EXPECT_TRUE(corner.x() >= margin_x - 1 && corner.y() >= margin_y - 1 &&
                end.x() <= view.width() - margin_x + 1 && end.y() <= view.height() - margin_y + 1);
    EXPECT_NEAR(corner.x(), view.width() - end.x(), 2);  // alike on both sides
    EXPECT_NEAR(corner.y(), view.height() - end.y(), 2);
    expect_journal_case("gx4_zoom_session");
}

}  // namespace
}  // namespace vantor::test
