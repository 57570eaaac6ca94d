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

// A session of its own, so that two ways of doing one thing can be compared
// side by side.
struct Session : ModelWindowSession {
    void TestBody() override {}

    // The main window on screen, its panel laid out for the mouse.
    void open() {
        ModelWindowSession::open();
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

    // Clicks the panel's entry `entry` of library `caption` with `button`.
    void click_entry(const char* caption, int entry, Qt::MouseButton button = Qt::LeftButton) {
        const int i = library(caption);
        panel().tabs()->setCurrentIndex(i - 1);
        QListWidget* list = panel().entry_list(i);
        ASSERT_NE(list, nullptr);
        QListWidgetItem* item = list->item(entry - 1);
        ASSERT_NE(item, nullptr);
        QTest::mouseClick(list->viewport(), button, Qt::NoModifier,
                          list->visualItemRect(item).center());
        settle();
    }

    // Drags entry `entry` of library `caption` from the panel and drops it at
    // `at`, as `drop` does from the palette window.
    void panel_drop(const char* caption, int entry, QPoint at) {
        // The press that starts the drag activates the panel's window, as
        // one on a palette activates the palette's.
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

using LibraryPanel = Session;

// Every entry its palette window shows, by the caption its glyph shows.
TEST_F(LibraryPanel, ListsEveryLibraryAndEntryWithCaptionAndTooltip) {
    open();
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
    const int c = entry("bondgraph", "C__");
    EXPECT_TRUE(panel()
                    .entry_list(library("bondgraph"))
                    ->item(c - 1)
                    ->toolTip()
                    .startsWith("C (C__)\nCapacitor or spring C. It stores the displacement"));
}

// What a session journals and ends with. One session at a time: a window
// shown by one would take the focus from another's.
struct Recording {
    std::string journal;
    std::string state;
};

Recording record(const std::function<void(Session&)>& steps) {
    Session session;
    session.open();
    steps(session);
    settle();
    session.expect_journal_replays();
    return {session.journal_text(), session.state_file()};
}

// The journal records which palette entry was dropped where, nothing of
// where the drag began: a drop from the panel reads back as a palette's.
TEST(LibraryPanelDrop, IsAPaletteDropInTheJournalAndTheState) {
    int c = 0;
    int sum = 0;
    const Recording palette = record([&](Session& s) {
        c = s.entry("bondgraph", "C__");
        sum = s.entry("signals", "sum");
        // The user's press on the palette window activates it first.
        s.palette("bondgraph");
        settle();
        s.drop("bondgraph", c, QPoint(120, 80));
        s.palette("signals");
        settle();
        s.drop("signals", sum, QPoint(300, 150));
    });
    const Recording panel = record([&](Session& s) {
        s.panel_drop("bondgraph", c, QPoint(120, 80));
        s.panel_drop("signals", sum, QPoint(300, 150));
    });
    EXPECT_NE(palette.journal.find("\ndrop bondgraph " + std::to_string(c) + " 1800 1200\n"),
              std::string::npos)
        << palette.journal;
    EXPECT_EQ(panel.journal, palette.journal);
    EXPECT_EQ(panel.state, palette.state);
}

// A click on an entry, then on the canvas, is the drop of a drag to that point.
TEST(LibraryPanelClick, PlacesWhereADragWouldDrop) {
    int c = 0;
    const Recording dragged = record([&](Session& s) {
        c = s.entry("bondgraph", "C__");
        s.panel_drop("bondgraph", c, QPoint(150, 90));
    });
    const Recording clicked = record([&](Session& s) {
        s.click_entry("bondgraph", c);
        const QString prompt = "click in a model window to place C";
        EXPECT_EQ(s.main->statusBar()->currentMessage(), prompt);
        EXPECT_EQ(s.window->statusBar()->currentMessage(), prompt);
        QTest::mouseClick(s.canvas, Qt::LeftButton, Qt::NoModifier, QPoint(150, 90));
        settle();
        EXPECT_EQ(s.state().model.objs[1].selected, kTrue);  // the release was no click
        EXPECT_FALSE(s.panel().core().armed());
        EXPECT_TRUE(s.main->statusBar()->currentMessage().isEmpty());
        EXPECT_TRUE(s.window->statusBar()->currentMessage().isEmpty());
    });
    EXPECT_EQ(clicked.journal, dragged.journal);
    EXPECT_EQ(clicked.state, dragged.state);
}

// Whatever lets the chosen entry go does only that, and the press that did
// it goes on as without a choice: the same lines journaled, the same state.
TEST_F(LibraryPanel, LettingGoOfTheChoice) {
    open();
    const int c = entry("bondgraph", "C__");
    drop("bondgraph", "R__", QPoint(200, 100));
    const Glyph& r = state().image1[1];
    const QPoint on_element(static_cast<int>((r.left + r.width / 2) / 15),
                            static_cast<int>((r.top + r.height / 2) / 15));
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
        for (int k = 0; k < panel().entry_list(1)->count(); ++k) {
            EXPECT_FALSE(panel().entry_list(1)->item(k)->isSelected()) << k;
        }
    }
    EXPECT_EQ(state().model.nobj, 1);
}

// A double click to place is one placement: its second click opens nothing.
TEST_F(LibraryPanel, ADoubleClickPlacesOnce) {
    open();
    const int c = entry("bondgraph", "C__");
    click_entry("bondgraph", c);
    EXPECT_TRUE(panel().entry_list(library("bondgraph"))->item(c - 1)->isSelected());
    // Were the parameter dialog to open, it would not hold the test up.
    QTimer::singleShot(2000, [] {
        if (QWidget* dialog = QApplication::activeModalWidget()) dialog->close();
    });
    settle();
    const std::size_t before = journal_text().size();
    // As Qt hands a double click to a widget: the second press comes as the
    // double click.
    const QPoint at(150, 90);
    QTest::mouseClick(canvas, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(canvas, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, at);
    settle();
    EXPECT_EQ(journal_text().substr(before),
              "# window 1: MODEL1\ndrop bondgraph " + std::to_string(c) + " 2250 1350\n");
    EXPECT_EQ(state().model.nobj, 1);
}

}  // namespace
}  // namespace vantor::test
