// The usual keys: each key of the two command tables reaches its item in
// every window it is meant for and no other, a key records the line its item
// records, Escape ends a bond as a focus loss does, and Open Recent and file
// drops open models.
#include <gtest/gtest.h>

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QKeySequence>
#include <QSettings>
#include <QShortcutEvent>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWindow>
#include <map>
#include <sstream>

#include "app/main_commands.h"
#include "editor/commands.h"
#include "gui/model_window_session.h"
#include "journal/journal_writer.h"
#include "journal/state_file.h"
#include "shell/parameter_dialog_widget.h"
#include "shell/simulation_settings_dialog.h"

namespace vantor::test {
namespace {

using Keys = ModelWindowSession;

QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), std::ssize(s));
}

QList<QKeySequence> keys_of(std::string_view keys) {
    if (keys.empty()) return {};
    return QKeySequence::listFromString(text(keys), QKeySequence::PortableText);
}

// Takes the shortcut events of the actions it watches, so that nothing
// runs, and notes which action each reached and whether Qt found the key
// ambiguous (two items of one window with the same key).
class ShortcutProbe : public QObject {
  public:
    void watch(const QList<QAction*>& actions) {
        for (QAction* action : actions) action->installEventFilter(this);
    }
    std::vector<std::pair<QObject*, bool>> hits;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Shortcut) return false;
        hits.emplace_back(watched, static_cast<QShortcutEvent*>(event)->isAmbiguous());
        return true;
    }
};

void press(QWidget* target, const QKeySequence& key) {
    QTest::keySequence(target, key);
}

std::string menu_path(MenuId id) {
    const MenuInfo& menu = menu_info(id);
    const std::string caption(menu.caption);
    return menu.submenu ? menu_path(menu.parent) + " > " + caption : caption;
}

TEST_F(Keys, EveryKeyReachesItsItemInEachWindowAndNoOther) {
    open();
    shell::PaletteWidget* palette_window = nullptr;
    palette("bondgraph");
    for (int i = 1; i <= kMaxLibraries && palette_window == nullptr; ++i) {
        palette_window = main->palette_widget(i);
    }
    ASSERT_NE(palette_window, nullptr);

    ShortcutProbe probe;
    probe.watch(main->findChildren<QAction*>());
    probe.watch(window->findChildren<QAction*>());

    // Per window, every key it has and the item it must reach.
    std::map<QWidget*, std::vector<std::pair<QKeySequence, QAction*>>> expected;
    for (const Command& row : commands()) {
        for (const QKeySequence& key : keys_of(row.keys)) {
            QAction* in_model = item(menu_path(row.menu) + " > " + std::string(row.caption));
            expected[window].emplace_back(key, in_model);
            if (row.menu == MenuId::kHelp) {
                expected[main.get()].emplace_back(
                    key, find_item(*main->menuBar(),
                                   menu_path(row.menu) + " > " + std::string(row.caption)));
            }
        }
    }
    for (const MainCommand& row : main_commands()) {
        if (!row.enabled) continue;
        for (const QKeySequence& key : keys_of(row.keys)) {
            QAction* action = main->main_action(row.id);
            expected[main.get()].emplace_back(key, action);
            if (!row.everywhere) continue;
            expected[window].emplace_back(key, action);
            expected[palette_window].emplace_back(key, action);
        }
    }

    for (auto& [target, cases] : expected) {
        target->show();
        target->activateWindow();
        settle();
        ASSERT_EQ(QApplication::activeWindow(), target);
        // The probe takes the events, so the items may all be enabled.
        for (QAction* action : window->findChildren<QAction*>()) action->setEnabled(true);
        for (const auto& [key, action] : cases) {
            SCOPED_TRACE(key.toString(QKeySequence::PortableText).toStdString() + " in " +
                         target->windowTitle().toStdString());
            ASSERT_NE(action, nullptr);
            probe.hits.clear();
            press(target, key);
            ASSERT_EQ(probe.hits.size(), 1u);
            EXPECT_EQ(probe.hits[0].first, action);
            EXPECT_FALSE(probe.hits[0].second) << "another item has the key";
        }
    }
}

// A key runs its item, journaled as the item is; the waits and the enabling
// are the item's.
TEST_F(Keys, AKeyRecordsTheLineItsItemRecords) {
    open();
    drop("bondgraph", "111", QPoint(60, 60));
    drop("bondgraph", "C__", QPoint(200, 60));
    window->activateWindow();
    settle();
    const auto last_line = [this] {
        const std::string all = journal_text();
        return all.substr(all.rfind('\n', all.size() - 2) + 1);
    };
    const CommandId cases[] = {
        CommandId::kSelectAll, CommandId::kCopy,      CommandId::kPaste,     CommandId::kRotate,
        CommandId::kEditUndo,  CommandId::kEditRedo,  CommandId::kSelectAll, CommandId::kCut,
        CommandId::kEditUndo,  CommandId::kSelectAll, CommandId::kDelete,    CommandId::kAssign,
    };
    for (const CommandId id : cases) {
        const Command& row = command(id);
        SCOPED_TRACE(row.word);
        press(canvas, keys_of(row.keys).front());
        settle();
        EXPECT_EQ(last_line(), "menu " + std::string(row.word) + "\n");
    }
    EXPECT_EQ(state().model.nobj, 0);
    expect_journal_replays();
}

// Draws a bond from the 1-junction to over the capacitor, then, with the
// button still held, presses Escape: the half-drawn bond goes (a move back to
// its start and a release there, journaled as such) instead of staying in the
// model with one end, where a save would write it. Moving the focus away
// instead leaves the gesture as the focus-loss rule does.
TEST_F(Keys, EscapeTakesBackAHalfDrawnBond) {
    open();
    const ModelWindow& shown = main->core().model_window(1)->window;
    QWindow* handle = window->windowHandle();
    const auto at = [this](QPoint p) { return canvas->mapTo(window, p); };
    drop("bondgraph", "111", QPoint(100, 100));
    drop("bondgraph", "C__", QPoint(300, 100));
    const std::string before = format_state_file(shown, main->app());
    // The first point right of the junction where a bond can start.
    QPoint start(100, 100);
    for (int dx = 1; dx < 60 && shown.MousePointer != kPointerCross; ++dx) {
        start = QPoint(100 + dx, 100);
        hover(start);
    }
    ASSERT_EQ(shown.MousePointer, kPointerCross);
    QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, at(start));
    QTest::mouseMove(handle, at(start + QPoint(5, 0)));
    QTest::mouseMove(handle, at(QPoint(290, 100)));
    ASSERT_TRUE(shown.Line1.visible);
    ASSERT_EQ(shown.model.nlin, 1);
    QTest::keyClick(canvas, Qt::Key_Escape);
    EXPECT_FALSE(shown.Line1.visible);
    EXPECT_EQ(shown.model.nlin, 0);
    EXPECT_EQ(shown.mouse.dragging, 0);
    const std::string after = format_state_file(shown, main->app());
    // The release after Escape is no click: nothing changes.
    QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, at(QPoint(300, 100)));
    settle();
    EXPECT_EQ(format_state_file(shown, main->app()), after);
    EXPECT_NE(after, before);  // the pointer moved; the model did not
    const std::string journal = journal_text();
    // The band's move back to its start, then the release there.
    std::vector<std::string> lines;
    std::istringstream in(journal);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    const auto up = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
        return line.rfind("form_mouseup 1 0 ", 0) == 0;
    });
    ASSERT_NE(up, lines.end()) << journal;
    ASSERT_NE(up, lines.begin());
    EXPECT_EQ(*std::prev(up), "form_mousemove 1 0 " + up->substr(17)) << journal;
    expect_journal_replays();
}

// Escape closes the program's own dialogs as their close box or Cancel does.
TEST(EscapeKey, ClosesTheDialogs) {
    const auto escape_when_shown = [] {
        QTimer::singleShot(0, [] {
            QWidget* shown = QApplication::activeModalWidget();
            ASSERT_NE(shown, nullptr);
            QTest::keyClick(shown, Qt::Key_Escape);
        });
    };

    AppState app;
    app.partype = "R__";
    app.partext1 = "10";
    ParameterDialog dialog;
    Form_Load(dialog, app);
    std::vector<std::string> lines;
    shell::QtParameterDialogPort port(
        nullptr, [&](const EditorEvent& e) { lines.push_back(format_journal_line(e)); });
    escape_when_shown();
    port.show_modal(dialog, app);
    EXPECT_FALSE(dialog.open);
    EXPECT_EQ(lines, std::vector<std::string>{"dialog closebox"});

    SimulationSettings settings;
    settings.stop_time = 2.5;
    escape_when_shown();
    EXPECT_FALSE(shell::edit_simulation_settings(nullptr, settings));
    EXPECT_EQ(settings.stop_time, 2.5);
}

struct ModelFiles {
    QTemporaryDir dir;
    QString path(int n) const { return dir.filePath(QStringLiteral("m%1.bgf").arg(n)); }
    QString make(int n, const QString& example) const {
        QFile::copy(example, path(n));
        return path(n);
    }
};

QStringList recent_items(shell::MainWindowWidget& main) {
    QMenu* menu = main.main_action(MainCommandId::kOpenRecent)->menu();
    menu->aboutToShow();
    QStringList out;
    for (QAction* action : menu->actions()) out.push_back(action->text());
    return out;
}

// Eleven models opened one by one: the last ten are listed, the most recent
// first; opening a listed one again moves it up; a listed model that is
// gone is dropped, with a message naming it.
TEST_F(Keys, OpenRecentKeepsTheLastTenMostRecentFirst) {
    open();
    ModelFiles files;
    const QString rlc = QStringLiteral(VANTOR_EXAMPLES_DIR "/series_rlc.bgf");
    for (int n = 1; n <= 11; ++n) main->open_model(files.make(n, rlc));
    QStringList shown = recent_items(*main);
    ASSERT_EQ(shown.size(), 10);
    EXPECT_EQ(shown.front(), "&1 " + QDir::toNativeSeparators(files.path(11)));
    EXPECT_EQ(shown.back(), "&10 " + QDir::toNativeSeparators(files.path(2)));
    EXPECT_EQ(QSettings().value("recent/models").toStringList().size(), 10);

    // An open model asked for again comes to the front and up the list.
    main->open_model(files.path(5));
    EXPECT_EQ(recent_items(*main).front(), "&1 " + QDir::toNativeSeparators(files.path(5)));

    // Save As lists the new name.
    ports.files = {files.path(20).toStdString()};
    item("&File > Save Model &As...")->trigger();
    EXPECT_EQ(recent_items(*main).front(), "&1 " + QDir::toNativeSeparators(files.path(20)));

    QFile::remove(files.path(9));
    QMenu* menu = main->main_action(MainCommandId::kOpenRecent)->menu();
    recent_items(*main);
    QAction* gone = nullptr;
    for (QAction* action : menu->actions()) {
        if (action->text().endsWith(QDir::toNativeSeparators(files.path(9)))) gone = action;
    }
    ASSERT_NE(gone, nullptr);
    ports.messages.clear();
    gone->trigger();
    ASSERT_EQ(ports.messages.size(), 1u);
    EXPECT_NE(ports.messages[0].find(QDir::toNativeSeparators(files.path(9)).toStdString()),
              std::string::npos);
    shown = recent_items(*main);
    EXPECT_EQ(shown.size(), 9);
    for (const QString& line : shown) EXPECT_FALSE(line.endsWith(files.path(9)));
}

// A model file dropped from the file manager on the main window, a model
// window or a palette opens; anything else is left to the window.
TEST_F(Keys, AModelFileDroppedOnAnyWindowOpens) {
    open();
    palette("bondgraph");
    QWidget* palette_window = nullptr;
    for (int i = 1; i <= kMaxLibraries && palette_window == nullptr; ++i)
        palette_window = main->palette_widget(i);
    ModelFiles files;
    const QString rlc = QStringLiteral(VANTOR_EXAMPLES_DIR "/series_rlc.bgf");
    QWidget* targets[] = {main.get(), canvas, palette_window};
    int n = 0;
    for (QWidget* target : targets) {
        const QString path = files.make(++n, rlc);
        for (const bool model : {false, true}) {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(model ? path : files.dir.filePath("notes.txt"))});
            QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton,
                                  Qt::NoModifier);
            QCoreApplication::sendEvent(target, &enter);
            EXPECT_EQ(enter.isAccepted(), model);
            if (!model) continue;
            QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton,
                               Qt::NoModifier);
            QCoreApplication::sendEvent(target, &dropped);
            settle();
        }
        ASSERT_NE(main->model_window_widget(n + 1), nullptr);
        EXPECT_EQ(main->core().model_window(n + 1)->tag, path.toStdString());
    }
}

}  // namespace
}  // namespace vantor::test
