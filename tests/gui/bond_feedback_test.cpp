// The canvas outlines the element a bond starts from or would join, and the
// status bar says why a release would draw no bond; the journal of the
// session replays, with no canvas and no feedback, to the same window.
#include "editor/bond_feedback.h"
#include "gui/model_window_session.h"

namespace vantor::test {
namespace {

using BondFeedbackSession = ModelWindowSession;

TEST_F(BondFeedbackSession, TheOutlineAndTheStatusForetellEveryRelease) {
    open();
    window->resize(760, 480);
    window->show();
    settle();
    const auto status = [this] { return window->statusBar()->currentMessage(); };
    drop("bondgraph", "111", QPoint(100, 100));  // 1
    drop("bondgraph", "C__", QPoint(300, 100));  // 2, takes one bond
    drop("bondgraph", "000", QPoint(100, 260));  // 3
    drop("bondgraph", "R__", QPoint(300, 260));  // 4
    drop("bondgraph", "Se_", QPoint(500, 260));  // 5
    const QPoint empty(200, 380);

    // Beside the junction the cross shows, and the junction is outlined.
    hover(at_glyph(1, 1.25));
    EXPECT_EQ(canvas->bond_highlight(), 1);
    EXPECT_EQ(status(), QString::fromLatin1(kBondDragHint));
    // The outline is painted around the glyph, three pixels off it.
    const QImage shown = canvas->grab().toImage();
    const QPoint top_middle = at_glyph(1, 0.5, 0) - QPoint(0, 4);
    EXPECT_EQ(shown.pixelColor(top_middle), QColor::fromRgb(0, 120, 215));
    // On the glyph a press moves the element: no outline, but how to start.
    hover(at_glyph(1));
    EXPECT_EQ(canvas->bond_highlight(), 0);
    EXPECT_EQ(status(), QString::fromLatin1(kBondStartHint));

    // From, to (0: empty space), and what the status says while dragging;
    // the release makes a bond where it says nothing.
    const std::tuple<int, int, const char*> gestures[] = {
        {1, 0, "release over an element"},
        {1, 2, ""},                                  // junction to C
        {3, 2, "this element takes no more bonds"},  // C is full now
        {4, 5, "a bond needs a junction at one end"},
        {1, 3, ""},
        {3, 1, "these elements are joined already"},
    };
    for (const auto& [from, to, said] : gestures) {
        SCOPED_TRACE(testing::Message() << from << " to " << to);
        const bool made = *said == '\0';
        const QPoint end = to > 0 ? at_glyph(to) : empty;
        // Pressed beside `from`, where the cross shows, and dragged.
        const QPoint start = at_glyph(from, 1.25);
        hover(start);
        QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, start);
        QTest::mouseMove(canvas, start + QPoint(1, 0));
        QTest::mouseMove(canvas, end);
        window->grab().toImage().save(
            render_path(QStringLiteral("bond_feedback_%1_%2").arg(from).arg(to)));
        EXPECT_EQ(canvas->bond_highlight(), made ? to : 0);
        EXPECT_EQ(status(), QString::fromLatin1(said));
        QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, end);
        EXPECT_EQ(canvas->bond_highlight(), 0);
    }
    // Resting beside the full C says so; leaving the canvas ends the feedback.
    hover(at_glyph(2, -0.2));
    EXPECT_EQ(status(), QStringLiteral("this element takes no more bonds"));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(canvas, &leave);
    EXPECT_EQ(status(), QString());

    // A message of the program stays when the feedback has nothing to say.
    hover(at_glyph(1, 1.25));
    window->statusBar()->showMessage(QStringLiteral("saved"));
    hover(empty);
    EXPECT_EQ(status(), QStringLiteral("saved"));

    expect_journal_replays();
    expect_journal_case("gx4_bond_feedback_releases");
}

}  // namespace
}  // namespace vantor::test
