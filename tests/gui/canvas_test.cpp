#include "gui/model_window_session.h"

namespace vantor::test {
namespace {

using Editor = ModelWindowSession;

// The gestures of a short session, made with the mouse on the real canvas
// and journaled; the journal replayed with no display gives the same window.
TEST_F(Editor, AJournaledSessionReplaysToTheSameWindow) {
    open();
    const int source = entry("bondgraph", "Se_");
    drop("bondgraph", source, QPoint(60, 60));
    drop("bondgraph", "111", QPoint(200, 60));
    // Beside an element that can take a bond the pointer is a cross.
    EXPECT_EQ(canvas->cursor().shape(), Qt::ArrowCursor);
    hover(at_glyph(2, 1.25));
    EXPECT_EQ(canvas->cursor().shape(), Qt::CrossCursor);
    hover(QPoint(400, 180));
    EXPECT_EQ(canvas->cursor().shape(), Qt::ArrowCursor);

    // Drag the source 30 px right and 40 down by its middle; the first move
    // is the press, and the glyph follows the pointer from there.
    const QPoint grip = at_glyph(1);
    QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, grip);
    QTest::mouseMove(canvas, grip + QPoint(10, 10));
    QTest::mouseMove(canvas, grip + QPoint(30, 40));
    QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, grip + QPoint(30, 40));

    // A rectangle over both glyphs selects both.
    hover(QPoint(5, 5));
    QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseMove(canvas, QPoint(6, 6));
    QTest::mouseMove(canvas, QPoint(260, 140));
    QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(260, 140));
    EXPECT_EQ(state().model.objs[1].selected + state().model.objs[2].selected, 2 * kTrue);

    // The user's scroll moves the picture: 510 twips are 34 pixels.
    std::vector<QPointF> shifted = caption_baselines();
    for (QPointF& at : shifted) at -= QPointF(34, 10);
    canvas->horizontal_bar()->setValue(510);
    canvas->vertical_bar()->setValue(150);
    EXPECT_EQ(caption_baselines(), shifted);
    item("&Run > &Assign && Check Causality")->trigger();

    expect_journal_case("gx4_canvas_gestures");
    expect_journal_replays();
}

// A drop comes from a palette, which the user clicked: the model window it
// lands on becomes the active one, so that the next shortcut reaches it.
// While the button is held the Edit and Run commands wait, whatever key asks
// for them; Escape ends the drag as a focus loss does, and its release is no
// click. The journal holds none of the waiting commands.
TEST_F(Editor, ADropActivatesItsWindowAndKeysWaitDuringADrag) {
    open();
    main->core().new_Click();
    shell::ModelWindowWidget* other = main->model_window_widget(2);
    ASSERT_NE(other, nullptr);
    other->activateWindow();
    settle();
    ASSERT_EQ(QApplication::activeWindow(), other);
    drop("bondgraph", "111", QPoint(60, 60));
    EXPECT_EQ(QApplication::activeWindow(), window);
    EXPECT_TRUE(canvas->hasFocus());
    drop("bondgraph", "C__", QPoint(200, 60));
    const QPoint grip = at_glyph(2);

    // Through the window system, which keeps the buttons' state as a person's
    // mouse does.
    QWindow* shown = window->windowHandle();
    ASSERT_NE(shown, nullptr);
    const auto in_window = [this](QPoint p) { return canvas->mapTo(window, p); };
    QTest::mousePress(shown, Qt::LeftButton, Qt::NoModifier, in_window(grip));
    item("&Edit > &Select All")->trigger();  // waits even before the first move
    QTest::mouseMove(shown, in_window(grip + QPoint(5, 0)));
    QTest::mouseMove(shown, in_window(grip + QPoint(20, 0)));
    item("&Edit > &Delete")->trigger();
    item("&Run > &Assign && Check Causality")->trigger();

    // The button is still down after Escape, but the drag is over; its
    // release clicks nothing.
    QTest::keyClick(canvas, Qt::Key_Escape);
    QTest::mouseMove(shown, in_window(grip + QPoint(60, 0)));
    QTest::mouseRelease(shown, Qt::LeftButton, Qt::NoModifier, in_window(grip + QPoint(60, 0)));
    item("&Edit > &Delete")->trigger();
    // Losing the focus ends a drag too.
    main->core().model_window(1)->window.mouse.dragging = kTrue;
    other->activateWindow();
    settle();
    EXPECT_EQ(state().mouse.dragging, 0);
    expect_journal_replays("", 1);
    expect_journal_case("gx4_drop_activates_keys_wait");
}

}  // namespace
}  // namespace vantor::test
