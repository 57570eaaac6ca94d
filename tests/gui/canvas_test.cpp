#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "app/app_fakes.h"
#include "editor/editor_fixtures.h"
#include "editor/journal_reader.h"
#include "editor/replay.h"
#include "editor/state_file.h"
#include "gui/menu_walk.h"
#include "gui/program_folder.h"
#include "gui/recording_painter.h"
#include "shell/element_drag.h"
#include "shell/journal_recorder.h"
#include "shell/main_window_widget.h"
#include "shell/model_canvas.h"
#include "shell/model_window_widget.h"
#include "shell/palette_widget.h"
#include "shell/pointer_cursor.h"

namespace vantor::test {
namespace {

using shell::MainWindowWidget;
using shell::ModelCanvas;

// The palette of library 1 shown and read, as a drag from it needs.
Palette& open_palette(MainWindowWidget& main) {
    main.core().Label1_DblClick(1);
    main.palette_widget(1)->reread();
    return *main.core().palette(1);
}

int entry_of_type(const Palette& palette, const char* type) {
    for (int i = 1; i <= palette.entries(); ++i) {
        if (palette.objs[static_cast<std::size_t>(i)].type.trimmed() == type) return i;
    }
    return 0;
}

// What a palette drag does: the drag over the entry captures it, and the
// drop carries the library and the entry. Qt hands a drop only to the widget
// that took the drag's entry.
void drop_entry(MainWindowWidget& main, QWidget& target, int entry, QPoint at) {
    main.core().palette(1)->image1_DragOver(main.app(), entry);
    QMimeData data;
    data.setData(shell::kElementMimeType, shell::element_drag_bytes({"bondgraph", entry}));
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &enter);
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &drop);
}

void hover(QWidget& widget, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, QPointF(at), widget.mapToGlobal(QPointF(at)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &move);
}

struct Editor : ::testing::Test {
    Editor() : journal(dir.filePath("session.jnl").toStdString()) {}

    void SetUp() override {
        main = std::make_unique<MainWindowWidget>(folder.path(), "", &ports, &recorder);
        main->activate();
        main->core().new_Click();
        window = main->model_window_widget(1);
        ASSERT_NE(window, nullptr);
        settle();
        canvas = window->canvas();
    }
    const ModelWindow& state() const { return main->core().model_window(1)->window; }

    ProgramFolder folder;
    QTemporaryDir dir;
    std::string journal;
    shell::JournalRecorder recorder{journal};
    FakePorts ports;
    std::unique_ptr<MainWindowWidget> main;
    shell::ModelWindowWidget* window = nullptr;
    ModelCanvas* canvas = nullptr;
};

// The gestures of a short session, made with the mouse on the real canvas
// and journaled; the journal replayed with no display gives the same window.
TEST_F(Editor, AJournaledSessionReplaysToTheSameWindow) {
    Palette& palette = open_palette(*main);
    const int junction = entry_of_type(palette, "111");
    const int source = entry_of_type(palette, "Se_");
    ASSERT_GT(junction, 0);
    ASSERT_GT(source, 0);

    drop_entry(*main, *canvas, source, QPoint(60, 60));
    drop_entry(*main, *canvas, junction, QPoint(200, 60));
    ASSERT_EQ(state().model.nobj, 2);

    // Drag the source 30 px right and 40 down by its middle.
    const Glyph& se = state().image1[1];
    const QPoint grip(static_cast<int>((se.left + se.width / 2) / 15),
                      static_cast<int>((se.top + se.height / 2) / 15));
    QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, grip);
    QTest::mouseMove(canvas, grip + QPoint(10, 10));
    QTest::mouseMove(canvas, grip + QPoint(30, 40));
    QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, grip + QPoint(30, 40));
    // The first move is the press; the glyph follows the pointer from there.
    EXPECT_NEAR(state().model.objs[1].left, 900 + 20 * 15 - state().image1[1].width / 2, 15);
    EXPECT_NEAR(state().model.objs[1].top, 900 + 30 * 15 - state().image1[1].height / 2, 15);

    // A rectangle over both glyphs selects both.
    hover(*canvas, QPoint(5, 5));
    QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseMove(canvas, QPoint(6, 6));
    QTest::mouseMove(canvas, QPoint(260, 140));
    QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(260, 140));
    EXPECT_EQ(state().model.objs[1].selected, kTrue);
    EXPECT_EQ(state().model.objs[2].selected, kTrue);

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
    find_item(*window->menuBar(), "&Run > &Assign && Check Causality")->trigger();

    const std::string text = file_text(journal);
    EXPECT_EQ(text.rfind("# window 1: MODEL1\n", 0), 0u) << text;
    for (const std::string& line :
         {"drop bondgraph " + std::to_string(source) + " 900 900\n",
          std::string("image1_mousemove 1 1 0 "), std::string("image1_click 1\n"),
          std::string("form_mousemove 1 0 90 90\n"), std::string("form_mouseup 1 0 3900 2100\n"),
          std::string("hscroll 510\n"), std::string("vscroll 150\n"),
          std::string("menu assign\n")}) {
        EXPECT_NE(text.find(line), std::string::npos) << line << " in\n" << text;
    }

    ModelWindow replayed;
    init_model_window(replayed, 1);
    AppState app;
    app.program_dir = folder.path();
    FakeHost host;
    replay_journal(replayed, app, host, read_journal_file(journal));
    EXPECT_EQ(format_state_file(replayed, app), format_state_file(state(), main->app()));
    EXPECT_EQ(host.messages, ports.messages);
}

TEST_F(Editor, TheScrollBarsStandWhereTheStateLaysThemOut) {
    const QSize client = canvas->size();
    EXPECT_EQ(state().viewport.width, client.width() * 15 + 120);
    EXPECT_EQ(state().viewport.height, client.height() * 15 + 675);

    for (QScrollBar* bar : {canvas->horizontal_bar(), canvas->vertical_bar()}) {
        EXPECT_EQ(bar->minimum(), 0);
        EXPECT_EQ(bar->maximum(), 20000);
        EXPECT_EQ(bar->singleStep(), 100);
        EXPECT_EQ(bar->pageStep(), 500);
    }
    const int w = client.width();
    const int h = client.height();
    EXPECT_EQ(canvas->vertical_bar()->geometry(), QRect(w - 17, 0, 17, h - 16));
    EXPECT_EQ(canvas->horizontal_bar()->geometry(), QRect(0, h - 17, w - 16, 17));
    EXPECT_EQ(canvas->corner()->geometry().topLeft(), QPoint(w - 16, h - 16));

    // A new size is the window's event, and the bars follow it.
    window->resize(window->width() + 150, window->height() + 60);
    settle();
    EXPECT_EQ(canvas->width(), w + 150);
    EXPECT_EQ(state().viewport.width, (w + 150) * 15 + 120);
    EXPECT_EQ(canvas->vertical_bar()->geometry(), QRect(w + 150 - 17, 0, 17, h + 60 - 16));
    EXPECT_NE(file_text(journal).find("resize " + std::to_string((w + 150) * 15 + 120) + " " +
                                      std::to_string((h + 60) * 15 + 675) + "\n"),
              std::string::npos);
}

TEST_F(Editor, ThePointerFollowsTheStatesPointerShape) {
    open_palette(*main);
    drop_entry(*main, *canvas, 1, QPoint(200, 100));
    EXPECT_EQ(canvas->cursor().shape(), Qt::ArrowCursor);

    // Near an element that can take a bond the pointer is a cross.
    hover(*canvas, QPoint(200, 100) + QPoint(15, 0));
    EXPECT_EQ(state().MousePointer, kPointerCross);
    EXPECT_EQ(canvas->cursor().shape(), Qt::CrossCursor);
    hover(*canvas, QPoint(400, 180));
    EXPECT_EQ(canvas->cursor().shape(), Qt::ArrowCursor);

    const QCursor connect = shell::pointer_cursor(kPointerConnect);
    EXPECT_EQ(connect.shape(), Qt::BitmapCursor);
    EXPECT_EQ(connect.pixmap().size(), QSize(32, 32));
    EXPECT_EQ(connect.hotSpot(), QPoint(11, 11));
}

// The drop comes from a palette, which the user clicked: the model window it
// lands on becomes the active one, so that the next shortcut reaches it.
TEST_F(Editor, ADropActivatesItsWindowAndLosingTheFocusEndsADrag) {
    main->core().new_Click();
    shell::ModelWindowWidget* other = main->model_window_widget(2);
    ASSERT_NE(other, nullptr);
    other->activateWindow();
    settle();
    ASSERT_EQ(QApplication::activeWindow(), other);

    open_palette(*main);
    drop_entry(*main, *canvas, 1, QPoint(100, 100));
    settle();
    EXPECT_EQ(QApplication::activeWindow(), window);
    EXPECT_TRUE(canvas->hasFocus());

    main->core().model_window(1)->window.mouse.dragging = kTrue;
    other->activateWindow();
    settle();
    EXPECT_EQ(state().mouse.dragging, 0);
    EXPECT_NE(file_text(journal).find("form_lostfocus\n"), std::string::npos);
}

}  // namespace
}  // namespace vantor::test
