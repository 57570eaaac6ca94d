#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTest>
#include <QWindow>
#include <tuple>

#include "gui/model_window_session.h"
#include "gui/recording_painter.h"
#include "shell/pointer_cursor.h"

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
    ASSERT_EQ(state().model.nobj, 2);
    // Beside an element that can take a bond the pointer is a cross.
    EXPECT_EQ(canvas->cursor().shape(), Qt::ArrowCursor);
    hover(at_glyph(2, 1.25));
    EXPECT_EQ(state().MousePointer, kPointerCross);
    EXPECT_EQ(canvas->cursor().shape(), Qt::CrossCursor);
    hover(QPoint(400, 180));
    EXPECT_EQ(canvas->cursor().shape(), Qt::ArrowCursor);
    const QCursor connect = shell::pointer_cursor(kPointerConnect);
    EXPECT_EQ(std::tuple(connect.shape(), connect.pixmap().size(), connect.hotSpot()),
              std::tuple(Qt::BitmapCursor, QSize(32, 32), QPoint(11, 11)));

    // Drag the source 30 px right and 40 down by its middle; the first move
    // is the press, and the glyph follows the pointer from there.
    const QPoint grip = at_glyph(1);
    QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, grip);
    QTest::mouseMove(canvas, grip + QPoint(10, 10));
    QTest::mouseMove(canvas, grip + QPoint(30, 40));
    QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, grip + QPoint(30, 40));
    EXPECT_NEAR(state().model.objs[1].left, 900 + 20 * 15 - state().image1[1].width / 2, 15);
    EXPECT_NEAR(state().model.objs[1].top, 900 + 30 * 15 - state().image1[1].height / 2, 15);

    // A rectangle over both glyphs selects both.
    hover(QPoint(5, 5));
    QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseMove(canvas, QPoint(6, 6));
    QTest::mouseMove(canvas, QPoint(260, 140));
    QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(260, 140));
    EXPECT_EQ(state().model.objs[1].selected + state().model.objs[2].selected, 2 * kTrue);

    // The user's scroll moves the picture: 510 twips are 34 pixels.
    const auto captions = [this] {
        RecordingDevice device(canvas->size());
        canvas->render(&device, QPoint(), QRegion(), QWidget::DrawWindowBackground);
        std::vector<QPointF> at;
        for (const DrawnText& text : device.drawing.texts) at.push_back(text.baseline);
        return at;
    };
    std::vector<QPointF> shifted = captions();
    for (QPointF& at : shifted) at -= QPointF(34, 10);
    canvas->horizontal_bar()->setValue(510);
    canvas->vertical_bar()->setValue(150);
    EXPECT_EQ(captions(), shifted);
    item("&Run > &Assign && Check Causality")->trigger();

    const std::string text = journal_text();
    EXPECT_EQ(text.rfind("# window 1: MODEL1\n", 0), 0u) << text;
    for (const std::string& line :
         {"drop bondgraph " + std::to_string(source) + " 900 900\n",
          std::string("image1_mousemove 1 1 0 "), std::string("image1_click 1\n"),
          std::string("form_mousemove 1 0 90 90\n"), std::string("form_mouseup 1 0 3900 2100\n"),
          std::string("hscroll 510\n"), std::string("vscroll 150\n"),
          std::string("menu assign\n")}) {
        EXPECT_NE(text.find(line), std::string::npos) << line << " in\n" << text;
    }
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
    ASSERT_EQ(state().model.nobj, 2);
    const QPoint grip = at_glyph(2);
    const int left = state().model.objs[2].left;

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
    EXPECT_EQ(state().model.nobj, 2);
    EXPECT_EQ(state().model.objs[1].selected, kFalse);
    EXPECT_NE(state().mouse.dragging, 0);

    QTest::keyClick(canvas, Qt::Key_Escape);
    EXPECT_EQ(state().mouse.dragging, 0);
    const int moved = state().model.objs[2].left;
    EXPECT_NEAR(moved, left + 15 * 15, 15);
    // The button is still down, but the drag is over; its release clicks nothing.
    QTest::mouseMove(shown, in_window(grip + QPoint(60, 0)));
    QTest::mouseRelease(shown, Qt::LeftButton, Qt::NoModifier, in_window(grip + QPoint(60, 0)));
    EXPECT_EQ(state().model.objs[2].left, moved);
    EXPECT_EQ(state().model.objs[2].selected, kTrue);
    item("&Edit > &Delete")->trigger();
    EXPECT_EQ(state().model.nobj, 1);

    // Losing the focus ends a drag too.
    main->core().model_window(1)->window.mouse.dragging = kTrue;
    other->activateWindow();
    settle();
    EXPECT_EQ(state().mouse.dragging, 0);
    const std::string text = journal_text();
    EXPECT_EQ(text.find("menu selectall"), std::string::npos) << text;
    EXPECT_EQ(text.find("menu assign"), std::string::npos) << text;
    const auto lost = text.find("form_lostfocus\n");
    EXPECT_NE(text.find("form_lostfocus\n", lost + 1), std::string::npos) << text;
    expect_journal_replays("", 1);
}

}  // namespace
}  // namespace vantor::test
