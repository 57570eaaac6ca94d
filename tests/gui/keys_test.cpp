// The usual keys: each key of the two command tables reaches its item in
// every window it is meant for and no other, Escape ends a bond, and Open
// Recent and file drops open models.

#include "app/main_commands.h"
#include "gui/model_window_session.h"

namespace vantor::test {
namespace {

using Keys = ModelWindowSession;

// Takes the shortcut events of the actions it watches, so that nothing runs,
// and notes which action each reached and whether Qt found the key ambiguous.
struct ShortcutProbe : QObject {
    std::vector<std::pair<QObject*, bool>> hits;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Shortcut) return false;
        hits.emplace_back(watched, static_cast<QShortcutEvent*>(event)->isAmbiguous());
        return true;
    }
};

QList<QKeySequence> keys_of(std::string_view keys) {
    if (keys.empty()) return {};
    return QKeySequence::listFromString(QString::fromUtf8(keys.data(), std::ssize(keys)),
                                        QKeySequence::PortableText);
}

TEST_F(Keys, EveryKeyReachesItsItemInEachWindowAndNoOther) {
    open();
    palette("bondgraph");
    QWidget* palette_shown = main->palette_widget(library("bondgraph"));
    ASSERT_NE(palette_shown, nullptr);
    ShortcutProbe probe;
    for (QAction* action : main->findChildren<QAction*>()) action->installEventFilter(&probe);
    for (QAction* action : window->findChildren<QAction*>()) action->installEventFilter(&probe);

    // Per window, every key it has and the item it must reach.
    std::map<QWidget*, std::vector<std::pair<QKeySequence, QAction*>>> expected;
    for (const Command& row : commands()) {
        for (const QKeySequence& key : keys_of(row.keys)) {
            expected[window].emplace_back(key, item(row));
            if (row.menu == MenuId::kHelp)
                expected[main.get()].emplace_back(
                    key, find_item(*main->menuBar(), "&Help > " + std::string(row.caption)));
        }
    }
    for (const MainCommand& row : main_commands()) {
        if (!row.enabled) continue;
        for (const QKeySequence& key : keys_of(row.keys)) {
            expected[main.get()].emplace_back(key, main->main_action(row.id));
            if (!row.everywhere) continue;
            expected[window].emplace_back(key, main->main_action(row.id));
            expected[palette_shown].emplace_back(key, main->main_action(row.id));
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
            QTest::keySequence(target, key);
            // Once, to this item, and no other item has the key.
            EXPECT_EQ(probe.hits, (std::vector<std::pair<QObject*, bool>>{{action, false}}));
        }
    }
}

// Draws a bond from the 1-junction to over the capacitor, then, with the
// button still held, presses Escape: the half-drawn bond goes (a move back to
// its start and a release there, journaled as such) instead of staying in the
// model with one end, where a save would write it. The release after Escape
// is no click. The case pins the journal and what its replay leaves.
TEST_F(Keys, EscapeTakesBackAHalfDrawnBond) {
    open();
    QWindow* handle = window->windowHandle();
    const auto at = [this](QPoint p) { return canvas->mapTo(window, p); };
    drop("bondgraph", "111", QPoint(100, 100));
    drop("bondgraph", "C__", QPoint(300, 100));
    const QPoint start = at_glyph(1, 1.25);  // where a bond can start
    hover(start);
    QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, at(start));
    QTest::mouseMove(handle, at(start + QPoint(5, 0)));
    QTest::mouseMove(handle, at(QPoint(290, 100)));
    QTest::keyClick(canvas, Qt::Key_Escape);
    QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, at(QPoint(300, 100)));
    settle();
    expect_journal_replays();
    expect_journal_case("gw2_escape_takes_back_bond");
}

// Eleven models opened one by one: the last ten are kept in the settings;
// saving as retitles the window and the window list and lists the new name first; a listed model
// that is gone is dropped, with a message naming it. A model file dropped from the file manager on
// any window opens; anything else is left alone.
TEST_F(Keys, OpenRecentAndDroppedFilesOpenModels) {
    open();
    QTemporaryDir files;
    const auto path = [&](int n) { return files.filePath(QStringLiteral("m%1.bgf").arg(n)); };
    const auto listed = [&](int n) { return "&1 " + QDir::toNativeSeparators(path(n)); };
    QMenu* menu = main->main_action(MainCommandId::kOpenRecent)->menu();
    const auto recent = [&] {
        menu->aboutToShow();
        QStringList out;
        for (QAction* action : menu->actions()) out.push_back(action->text());
        return out;
    };
    for (int n = 1; n <= 14; ++n)
        QFile::copy(QString::fromStdString(example("series_rlc.bgf")), path(n));
    for (int n = 1; n <= 11; ++n) main->open_model(path(n));
    EXPECT_EQ(QSettings().value("recent/models").toStringList().size(), 10);
    ports.files = {path(20).toStdString()};
    item("&File > Save Model &As...")->trigger();
    EXPECT_EQ(recent().front(), listed(20));
    EXPECT_EQ(window->windowTitle(), "m20[*]");
    EXPECT_FALSE(window->isWindowModified());
    main->activate();  // the Window list is rebuilt when the main window comes back
    EXPECT_NE(find_item(*main->menuBar(), "&Window > &1 m20"), nullptr);

    QFile::remove(path(9));
    ports.messages.clear();
    QAction* gone = menu->actions().value(3);  // after m20, m11 and m10
    ASSERT_TRUE(gone && gone->text().endsWith(QDir::toNativeSeparators(path(9))));
    gone->trigger();
    ASSERT_EQ(ports.messages.size(), 1u);
    EXPECT_NE(ports.messages[0].find(QDir::toNativeSeparators(path(9)).toStdString()),
              std::string::npos);
    EXPECT_EQ(recent().size(), 9);

    int n = 11;
    palette("bondgraph");
    for (QWidget* target : {static_cast<QWidget*>(main.get()),
                            static_cast<QWidget*>(main->palette_widget(library("bondgraph"))),
                            static_cast<QWidget*>(canvas)}) {
        for (const bool model : {false, true}) {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(model ? path(++n) : files.filePath("notes.txt"))});
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
        EXPECT_EQ(recent().front(), listed(n));
    }
    ports.messages.clear();
    window->close();  // saved: it closes without a question
    settle();
    EXPECT_FALSE(main->core().is_open(1));
    EXPECT_TRUE(ports.messages.empty());
}

}  // namespace
}  // namespace vantor::test
