// The model window's menus as the command table lays them out: every item is
// where its row says, with its shortcuts and check mark, and choosing an item
// of a journaled row records its word.
#include <gtest/gtest.h>

#include <QKeySequence>
#include <QMenu>
#include <algorithm>

#include "editor/commands.h"
#include "gui/model_window_session.h"

namespace vantor::test {
namespace {

using CommandMenuTest = ModelWindowSession;

std::string menu_path(MenuId id) {
    const MenuInfo& menu = menu_info(id);
    const std::string caption(menu.caption);
    return menu.submenu ? menu_path(menu.parent) + " > " + caption : caption;
}

// The item by its caption in the table, or as it shows now.
std::string item_path(const Command& row, std::string caption = "") {
    if (caption.empty()) caption = row.caption;
    return menu_path(row.menu) + " > " + caption;
}

TEST_F(CommandMenuTest, EveryItemIsInItsMenuWithItsShortcutsAndCheckMark) {
    open();
    for (const Command& row : commands()) {
        if (row.placement != Placement::kItem) continue;
        SCOPED_TRACE(item_path(row));
        QAction* action = item(item_path(row));
        ASSERT_NE(action, nullptr);
        const QString keys = QString::fromUtf8(row.keys.data(), std::ssize(row.keys));
        EXPECT_EQ(action->shortcuts(),
                  QKeySequence::listFromString(keys, QKeySequence::PortableText));
        EXPECT_EQ(action->isCheckable(), row.check != Check::kNone);
    }
    // The portable texts name the keys meant.
    const std::pair<const char*, QList<QKeySequence>> keys[] = {
        {"&Edit > &Redo",
         {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}},
        {"&Edit > &Delete", {QKeySequence(Qt::Key_Delete)}},
        {"&View > Zoom &In",
         {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)}},
        {"&View > Zoom &Out", {QKeySequence(Qt::CTRL | Qt::Key_Minus)}},
        {"&Run > &Undo Causality ", {QKeySequence(Qt::Key_F12)}},
    };
    for (const auto& [path, expected] : keys) EXPECT_EQ(item(path)->shortcuts(), expected) << path;
}

TEST_F(CommandMenuTest, ChoosingAJournaledItemRecordsItsWordAndTheJournalReplays) {
    const std::string model = example("algebraic_loop.bgf");
    open(VANTOR_DATA_DIR, model);
    auto shown = [this](const Command& row) {
        return item(item_path(row, command_caption(row, main->core().model_window(1)->history)));
    };
    auto choose = [&](CommandId id) {
        shown(command(id))->trigger();
        settle();
    };
    auto last_line = [this] {
        const std::string text = journal_text();
        return text.substr(text.rfind('\n', text.size() - 2) + 1);
    };
    // Generate whose save dialog is cancelled, once the causality is assigned.
    choose(CommandId::kAssign);
    ports.files = {std::nullopt};
    choose(CommandId::kGenerate);
    EXPECT_EQ(last_line(), "menu generate_cancelled\n");

    for (const Command& row : commands()) {
        if (row.word.empty() || row.placement == Placement::kNone) continue;
        SCOPED_TRACE(row.word);
        // What makes the item enabled: a selection, a step to undo, or to redo.
        if (row.enabled != Enabled::kAlways && state().model.nobj == 0)
            choose(CommandId::kEditUndo);
        if (row.enabled != Enabled::kAlways) choose(CommandId::kSelectAll);
        if (row.enabled == Enabled::kCanUndo || row.enabled == Enabled::kCanRedo) {
            choose(CommandId::kCopy);
            choose(CommandId::kPaste);
        }
        if (row.enabled == Enabled::kCanRedo) choose(CommandId::kEditUndo);

        if (row.placement == Placement::kOpening) {
            item(menu_path(row.menu))->menu()->aboutToShow();
        } else {
            QAction* action = shown(row);
            ASSERT_NE(action, nullptr);
            ASSERT_TRUE(action->isEnabled());
            if (row.id == CommandId::kGenerate)
                ports.files = {dir.filePath("loop.m").toStdString()};
            action->trigger();
            settle();
        }
        EXPECT_EQ(last_line(), "menu " + std::string(row.word) + "\n");
    }
    // Reading a written file back is the window's alone.
    std::erase_if(ports.messages,
                  [](const std::string& m) { return m.rfind("The Simulink file ", 0) == 0; });
    expect_journal_replays(model);
}

}  // namespace
}  // namespace vantor::test
