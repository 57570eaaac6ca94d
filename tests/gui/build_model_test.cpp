// A model built from an empty window with the mouse and the keyboard only:
// palette drops, bonds drawn from near an element, a signal link dragged
// with the right button, values typed into the parameter dialog, a text note
// typed in place. The session journals the lines of the case
// gw_build_series_rlc, whose saved model is the shipped series RLC example
// (the same elements, numbers, bonds, strokes and values) with a note.

#include "gui/model_window_session.h"
#include "shell/caption_editor.h"

namespace vantor::test {
namespace {

struct Builder : ModelWindowSession {
    void SetUp() override {
        // The shipped program folder: palettes, priority tables, templates.
        open(VANTOR_DATA_DIR);
        // Room for the whole drawing: no gesture here scrolls the window.
        window->resize(760, 480);
        window->show();
        window->activateWindow();
        settle();
    }

    // A bond from `from` to `to`: the drag starts on the background just
    // right of `from`'s glyph, where the pointer shows the cross, and ends on `to`.
    void draw_bond(int from, int to) {
        const QPoint start = at_glyph(from, 1.25);
        hover(start);
        ASSERT_EQ(state().MousePointer, kPointerCross) << from << " to " << to;
        QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, start);
        QTest::mouseMove(canvas, start + QPoint(1, 0));
        QTest::mouseMove(canvas, at_glyph(to));
        EXPECT_EQ(state().MousePointer, kPointerConnect) << from << " to " << to;
        QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, at_glyph(to));
    }

    // A right drag from output port `port` that ends on input port `input`:
    // a connection point follows the pointer and is attached there.
    void link(int port, int input) {
        const QPoint start = at_glyph(port);
        QTest::mousePress(canvas, Qt::RightButton, Qt::NoModifier, start);
        QTest::mouseMove(canvas, start + QPoint(1, 0));
        QTest::mouseMove(canvas, start + QPoint(20, 10));
        QTest::mouseMove(canvas, at_glyph(input));
        QTest::mouseRelease(canvas, Qt::RightButton, Qt::NoModifier, at_glyph(input));
    }

    // Double-clicks element i and types `values` into the dialog that opens.
    void type_parameters(int i, const QStringList& values) {
        QTimer::singleShot(0, [values] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            // The double click's release lands on the dialog that it opened.
            QTest::mouseRelease(dialog, Qt::LeftButton);
            const auto boxes = dialog->findChildren<QLineEdit*>();
            for (int b = 0; b < boxes.size() && b < values.size(); ++b)
                if (boxes[b]->isVisible()) boxes[b]->setText(values[b]);
            for (QPushButton* button : dialog->findChildren<QPushButton*>())
                if (button->text() == QStringLiteral("Close")) button->click();
        });
        QTest::mouseDClick(canvas, Qt::LeftButton, Qt::NoModifier, at_glyph(i));
        settle();
    }
};

TEST_F(Builder, TheSeriesRlcExampleAndANoteBuiltWithTheMouseAndKeys) {
    // Dropped in the example's order, so the elements get its numbers too.
    drop("bondgraph", "Se_", {50, 60});    // 1
    drop("bondgraph", "111", {150, 60});   // 2
    drop("bondgraph", "I__", {110, 170});  // 3
    drop("bondgraph", "R__", {200, 170});  // 4
    drop("bondgraph", "000", {300, 60});   // 5
    drop("bondgraph", "C__", {280, 170});  // 6
    drop("bondgraph", "De_", {400, 170});  // 7, its output port 8
    drop("signals", "sco", {540, 270});    // 9, its input port 10
    for (auto [from, to] : {std::pair{1, 2}, {2, 3}, {2, 4}, {2, 5}, {5, 6}, {5, 7}})
        draw_bond(from, to);
    link(8, 10);
    item("&Run > &Assign && Check Causality")->trigger();
    settle();
    EXPECT_TRUE(ports.messages.empty()) << ports.messages.front();
    window->grab().toImage().save(render_path(QStringLiteral("build_series_rlc")));
    // An empty rectangle draws the note, and the editor opens on it.
    hover({540, 30});
    QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, {540, 30});
    QTest::mouseMove(canvas, {541, 31});
    QTest::mouseMove(canvas, {690, 80});
    QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, {690, 80});
    settle();
    shell::CaptionEditor* editor = canvas->caption_editor();
    ASSERT_TRUE(editor->isVisible());
    EXPECT_TRUE(editor->hasFocus());
    // The rectangle runs from the first move with the button held.
    EXPECT_EQ(editor->geometry(), QRect(541, 31, 149, 49));
    QTest::keyClicks(editor, QStringLiteral("Hello"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTest::keyClicks(editor, QStringLiteral("w"));
    QTest::sendKeyEvent(QTest::Click, editor, Qt::Key_Odiaeresis, QStringLiteral("ö"),
                        Qt::NoModifier);
    QTest::keyClicks(editor, QStringLiteral("rld"));
    EXPECT_FALSE(state().menus.ddelete);
    window->grab().toImage().save(render_path(QStringLiteral("caption_editing")));
    // Escape ends the edit; a double click opens it again with both lines,
    // and a click elsewhere closes it.
    QTest::keyClick(editor, Qt::Key_Escape);
    settle();
    EXPECT_FALSE(editor->isVisible());
    EXPECT_TRUE(state().menus.ddelete);
    QTest::mouseDClick(canvas, Qt::LeftButton, Qt::NoModifier, at_glyph(12));
    settle();
    ASSERT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->toPlainText(), QStringLiteral("Hello\nwörld"));
    QTest::mouseClick(canvas, Qt::LeftButton, Qt::NoModifier, {650, 200});
    settle();
    EXPECT_FALSE(editor->isVisible());
    type_parameters(1, {"1", ""});
    type_parameters(3, {"0.1", "0"});
    type_parameters(4, {"10", ""});
    type_parameters(6, {"1e-3", "0"});
    type_parameters(7, {"", ""});

    expect_journal_replays();
    expect_journal_case("gw_build_series_rlc");
}

}  // namespace
}  // namespace vantor::test
