#include "shell/library_panel_widget.h"

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
        drop_data(*data, at);
    }
    std::string state_file() const { return format_state_file(state(), main->app()); }
    // What the status bars of the main window and the model window say.
    QString status() const {
        return main->statusBar()->currentMessage() + " | " + window->statusBar()->currentMessage();
    }
};

// Every library's tab and entries, each with the caption its palette glyph
// shows and its tooltip (that caption, the type, the description).
TEST_F(LibraryPanel, ListsEveryEntryAndPlacesItAsAPalettesDropWould) {
    EXPECT_EQ(panel().tabs()->count(), static_cast<int>(main->core().labels.size()));
    QString listing;
    for (int n = 0; n < panel().tabs()->count(); ++n) {
        listing += panel().tabs()->tabText(n) + ":\n";
        const QListWidget* list = panel().entry_list(n + 1);
        for (int k = 0; k < list->count(); ++k)
            listing += list->item(k)->text() + " - " + list->item(k)->toolTip() + "\n";
    }
    expect_data_file("gw2_library_panel.txt", listing.toStdString());

    // A drop from the panel journals what a palette's does, which entry where;
    // so does a click on an entry and then on the canvas, and a double click
    // to place is one placement whose second click opens nothing.
    const int c = entry("bondgraph", "C__");
    panel_drop("bondgraph", c, QPoint(120, 80));
    panel_drop("signals", entry("signals", "sum"), QPoint(300, 150));
    click_entry("bondgraph", c);
    EXPECT_TRUE(panel().entry_list(library("bondgraph"))->item(c - 1)->isSelected());
    const QString prompt = "click in a model window to place C";
    EXPECT_EQ(status(), prompt + " | " + prompt);
    QTest::mouseClick(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(150, 90));
    settle();
    EXPECT_EQ(status(), " | ");

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
        EXPECT_EQ(status(), " | ");
        EXPECT_TRUE(panel().entry_list(1)->selectedItems().isEmpty());
    }
    EXPECT_EQ(state().model.nobj, 1);
}

}  // namespace
}  // namespace vantor::test
