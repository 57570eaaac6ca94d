// The command table against the journal format and the undo history: every
// journal word reads back to its row and is written as read, and the table's
// rules name, enable and caption the steps as the Edit menu shows them.
#include "editor/commands.h"

#include <gtest/gtest.h>

#include <set>

#include "editor/replay_fixtures.h"
#include "journal/journal_reader.h"
#include "journal/journal_writer.h"

namespace vantor {
namespace {

using test::Editor;

// The `menu` words of the journal format, which other programs replay.
const std::set<std::string> kFormatWords = {
    "ddelete",   "Cut",       "copy",      "paste",
    "selectall", "rotate",    "edit",      "showp",
    "simulink1", "simulink2", "simulink3", "assign",
    "extend",    "undo",      "generate",  "generate_cancelled",
    "simulate",  "editundo",  "editredo",
};

TEST(CommandTable, EveryJournalWordReadsBackToItsRowAndIsWrittenAsRead) {
    std::set<std::string> words;
    for (const Command& row : commands()) {
        EXPECT_EQ(&command(row.id), &row);
        // The window journals every command that runs a core handler.
        EXPECT_TRUE(row.run == nullptr || !row.word.empty()) << static_cast<int>(row.id);
        if (row.word.empty()) continue;
        const std::string word(row.word);
        SCOPED_TRACE(word);
        words.insert(word);
        const Journal read = parse_journal("menu " + word + "\n", "t.jnl");
        ASSERT_EQ(read.entries.size(), 1u);
        EXPECT_EQ(read.entries[0].event.name, word);
        // A second row with the same word would never be found.
        EXPECT_EQ(find_command(word), &row);
        EXPECT_EQ(format_journal_line(menu_event(row)), "menu " + word);
    }
    EXPECT_EQ(words, kFormatWords);
}

// Captions, ids and other spellings of commands are not words either; the
// journal reader's refusal of them is pinned by co2_jnl_menu_unknown_item.
TEST(CommandTable, CommandsWithoutAWordAreNotJournalWords) {
    for (const char* word : {"", "save", "print", "close", "zoomin", "Delete", "cut", "Simulate"})
        EXPECT_EQ(find_command(word), nullptr) << word;
}

TEST(CommandTable, MenuCommandsNameTheirStepsAndFollowTheHistoryAndSelection) {
    const struct {
        const char* setup;
        const char* action;
        const char* undo;  // the Edit menu's caption after the action
    } rows[] = {
        {"", "", "&Undo"},
        {"image1_click 2\n", "menu Cut\n", "&Undo Cut"},
        {"image1_click 2\n", "menu ddelete\n", "&Undo Delete"},
        {test::kBondGesture, "menu assign\n", "&Undo Assign && Check"},
        {test::kBondGesture, "menu assign\nmenu undo\n", "&Undo Undo Causality"},
    };
    const Command& undo = command(CommandId::kEditUndo);
    const Command& redo = command(CommandId::kEditRedo);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.action);
        Editor editor(test::kData, test::small_model());
        editor.run(row.setup);
        editor.run(row.action);
        EXPECT_EQ(command_caption(undo, editor.history()), row.undo);
        EXPECT_EQ(command_enabled(undo, editor.window, editor.history()),
                  std::string(row.undo) != "&Undo");
        EXPECT_FALSE(command_enabled(redo, editor.window, editor.history()));
    }

    Editor editor(test::kData, test::small_model());
    editor.run(std::string(test::kBondGesture) + "menu assign\nmenu editundo\n");
    EXPECT_EQ(command_caption(redo, editor.history()), "&Redo Assign && Check");
    EXPECT_TRUE(command_enabled(redo, editor.window, editor.history()));

    // Delete, Cut, Copy and Rotate follow the selection; the rest are always there.
    auto enabled = [&editor] {
        std::string marks;
        for (CommandId id : {CommandId::kDelete, CommandId::kCut, CommandId::kCopy,
                             CommandId::kRotate, CommandId::kPaste, CommandId::kSelectAll}) {
            marks += command_enabled(command(id), editor.window, editor.history()) ? 'x' : '.';
        }
        return marks;
    };
    editor.run("form_mouseup 1 0 4000 4000\n");
    EXPECT_EQ(enabled(), "....xx");
    editor.run("image1_click 2\n");
    EXPECT_EQ(enabled(), "xxxxxx");
}

}  // namespace
}  // namespace vantor
