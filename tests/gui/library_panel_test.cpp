#include "shell/library_panel_widget.h"

#include <gtest/gtest.h>

#include <QListWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <functional>

#include "gui/model_window_session.h"

namespace vantor::test {
namespace {

struct LibraryPanel : ModelWindowSession {
    // The main window on screen, its panel laid out for the mouse.
    void SetUp() override {
        open();
        main->show();
        settle();
    }
    shell::LibraryPanelWidget& panel() const { return *main->library_panel(); }

    // The tab of library `caption`, 1-based.
    int library(const char* caption) const {
        const auto& labels = main->core().labels;
        for (std::size_t n = 0; n < labels.size(); ++n) {
            if (labels[n].caption == caption) return static_cast<int>(n) + 1;
        }
        ADD_FAILURE() << "no library " << caption;
        return 1;
    }

    void click_entry(const char* caption, int entry, Qt::MouseButton button = Qt::LeftButton) {
        const int i = library(caption);
        panel().tabs()->setCurrentIndex(i - 1);
        QListWidget* list = panel().entry_list(i);
        QTest::mouseClick(list->viewport(), button, Qt::NoModifier,
                          list->visualItemRect(list->item(entry - 1)).center());
        settle();
    }

    // Drags entry `entry` of library `caption` from the panel and drops it at `at`.
    void panel_drop(const char* caption, int entry, QPoint at) {
        // The press that starts the drag activates the panel's window.
        main->activateWindow();
        settle();
        std::unique_ptr<QMimeData> data(panel().drag_data(library(caption), entry));
        ASSERT_NE(data, nullptr);
        QDragEnterEvent enter(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(canvas, &enter);
        QDropEvent dropped(QPointF(at), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(canvas, &dropped);
        settle();
    }
    std::string state_file() const { return format_state_file(state(), main->app()); }
};

// Every entry its palette window shows, by the caption its glyph shows.
TEST_F(LibraryPanel, ListsEveryLibraryAndEntryWithCaptionAndTooltip) {
    const auto& labels = main->core().labels;
    ASSERT_EQ(panel().tabs()->count(), static_cast<int>(labels.size()));
    for (std::size_t n = 0; n < labels.size(); ++n) {
        const Palette& shown = palette(labels[n].caption.c_str());
        EXPECT_EQ(panel().tabs()->tabText(static_cast<int>(n)).toStdString(), labels[n].caption);
        QListWidget* list = panel().entry_list(static_cast<int>(n) + 1);
        ASSERT_EQ(list->count(), shown.entries()) << labels[n].caption;
        for (int k = 1; k <= shown.entries(); ++k) {
            const std::string& caption = shown.image1[static_cast<std::size_t>(k)].caption;
            EXPECT_EQ(list->item(k - 1)->text().toStdString(), caption);
            EXPECT_TRUE(list->item(k - 1)->toolTip().startsWith(QString::fromStdString(caption)));
        }
    }
    EXPECT_TRUE(panel()
                    .entry_list(library("bondgraph"))
                    ->item(entry("bondgraph", "C__") - 1)
                    ->toolTip()
                    .startsWith("C (C__)\nCapacitor or spring C. It stores the displacement"));
}

// A drop from the panel journals what a palette's does, which entry where;
// so does a click on an entry and then on the canvas, and a double click to
// place is one placement whose second click opens nothing.
TEST_F(LibraryPanel, DropsAndClicksPlaceAsAPalettesDropWould) {
    const int c = entry("bondgraph", "C__");
    panel_drop("bondgraph", c, QPoint(120, 80));
    EXPECT_TRUE(item("&Edit > &Cut")->isEnabled());  // the new element is selected
    panel_drop("signals", entry("signals", "sum"), QPoint(300, 150));
    click_entry("bondgraph", c);
    EXPECT_TRUE(panel().entry_list(library("bondgraph"))->item(c - 1)->isSelected());
    const QString prompt = "click in a model window to place C";
    EXPECT_EQ(main->statusBar()->currentMessage(), prompt);
    EXPECT_EQ(window->statusBar()->currentMessage(), prompt);
    QTest::mouseClick(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(150, 90));
    settle();
    EXPECT_EQ(state().model.objs[state().model.nobj].selected, kTrue);  // the release: no click
    EXPECT_FALSE(panel().core().armed());
    EXPECT_TRUE(main->statusBar()->currentMessage().isEmpty());
    EXPECT_TRUE(window->statusBar()->currentMessage().isEmpty());

    const int placed = state().model.nobj;
    click_entry("bondgraph", c);
    // Were the parameter dialog to open, it would not hold the test up.
    QTimer::singleShot(2000, [] {
        if (QWidget* dialog = QApplication::activeModalWidget()) dialog->close();
    });
    // As Qt hands a double click to a widget: the second press comes as the double click.
    QTest::mouseClick(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(250, 200));
    QTest::mouseDClick(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(250, 200));
    QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(250, 200));
    settle();
    EXPECT_EQ(state().model.nobj, placed + 1);
    expect_journal_replays();
    expect_journal_case("gw_library_panel_places");
}

// Whatever lets the chosen entry go does only that, and the press that did
// it goes on as without a choice: the same lines journaled, the same state.
TEST_F(LibraryPanel, LettingGoOfTheChoice) {
    const int c = entry("bondgraph", "C__");
    drop("bondgraph", "R__", QPoint(200, 100));
    const QPoint on_element = at_glyph(1);
    const struct {
        const char* what;
        std::function<void()> act;
        bool on_canvas;  // else it journals nothing
    } cases[] = {
        {"Escape on the canvas", [&] { QTest::keyClick(canvas, Qt::Key_Escape); }, true},
        {"Escape on the panel", [&] { QTest::keyClick(panel().entry_list(1), Qt::Key_Escape); },
         false},
        {"the same entry again", [&] { click_entry("bondgraph", c); }, false},
        {"a right click on the panel", [&] { click_entry("bondgraph", c, Qt::RightButton); },
         false},
        {"a right click on the canvas",
         [&] { QTest::mouseClick(canvas, Qt::RightButton, Qt::NoModifier, QPoint(20, 200)); },
         true},
        {"a left click on an element",
         [&] { QTest::mouseClick(canvas, Qt::LeftButton, Qt::NoModifier, on_element); }, true},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.what);
        settle();
        std::string unarmed;
        if (row.on_canvas) {
            const std::size_t before = journal_text().size();
            row.act();
            settle();
            unarmed = journal_text().substr(before);
        }
        const std::string state_before = state_file();
        click_entry("bondgraph", c);
        ASSERT_TRUE(panel().core().armed());
        const std::size_t before = journal_text().size();
        row.act();
        settle();
        EXPECT_FALSE(panel().core().armed());
        EXPECT_EQ(journal_text().substr(before), unarmed);
        EXPECT_EQ(state_file(), state_before);
        EXPECT_TRUE(main->statusBar()->currentMessage().isEmpty());
        EXPECT_TRUE(panel().entry_list(1)->selectedItems().isEmpty());
    }
    EXPECT_EQ(state().model.nobj, 1);
}

}  // namespace
}  // namespace vantor::test
