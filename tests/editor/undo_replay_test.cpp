// Undo and redo: the history's own rules, and through journals each kind of
// action is one step that gives back the file text before it and after it.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "editor/history.h"
#include "model/model_writer.h"
#include "replay_fixtures.h"

namespace vantor {
namespace {

using test::Editor;
using test::kBondGesture;

TEST(UndoReplay, EachKindOfActionIsOneStepUndoneAndRedoneByteForByte) {
    // clang-format off
    const struct { const char* name; std::string setup, action; const char* caption; } rows[] = {
        {"drop with ports", "", "drop signals 1 2000 3500\n", "Drop"},
        {"group drag", "menu selectall\n",
         "image1_mousemove 1 1 0 30 40\nimage1_mousemove 1 1 0 530 340\n"
         "image1_mouseup 1 1 0 530 340\n",
         "Move"},
        {"bond drawn", "", kBondGesture, "Bond"},
        {"bond deleted", kBondGesture, "form_mouseup 1 0 1060 1560\nmenu ddelete\n", "Delete"},
        {"copy-drag", "image1_click 2\n",
         "image1_mousemove 2 2 0 30 40\nimage1_mousemove 2 2 0 2030 40\n"
         "image1_mouseup 2 2 0 2030 40\n",
         "Copy"},
        {"paste", "image1_click 2\nmenu copy\n", "menu paste\n", "Paste"},
        {"rotation", "image1_click 3\n", "menu rotate\n", "Rotate"},
        {"dialog that rebuilt ports", "drop signals 1 2000 3500\n",
         "image1_dblclick 8\ndialog value1 \"+-+\"\ndialog Close\n", "Parameters"},
        {"assign and check", kBondGesture, "menu assign\n", "Assign & Check"},
        {"caption edit", "image1_click 7\n",
         "image1_dblclick 7\ntext1_change \"two\"\ntext1_change \"two words\"\ntext1_lostfocus\n",
         "Caption"},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Editor editor(test::kData, test::small_model());
        editor.run(row.setup);
        const std::size_t steps = editor.history().history().steps();
        const std::string before = editor.file();
        editor.run(row.action);
        const std::string after = editor.file();
        ASSERT_NE(after, before);
        EXPECT_EQ(editor.history().history().steps(), steps + 1);
        EXPECT_EQ(editor.history().undo_text(), std::string("&Undo ") + row.caption);

        editor.window.saved = kTrue;
        editor.run("menu editundo\n");
        EXPECT_EQ(editor.file(), before);
        EXPECT_EQ(editor.window.saved, kFalse);
        EXPECT_EQ(editor.history().redo_text(), std::string("&Redo ") + row.caption);
        editor.run("menu editredo\n");
        EXPECT_EQ(editor.file(), after);
    }
}

// Five hundred random drops, drags, bonds, deletes and pastes, undone to the
// start and redone to the end.
TEST(UndoReplay, RandomActionsUndoToTheFirstFileAndRedoToTheLast) {
    Editor editor(test::kData, test::small_model());
    editor.session.history = ActionHistory(1000);
    editor.session.history.start(editor.window);
    const std::string first = editor.file();
    std::mt19937 random(20261207);
    auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    for (int n = 0; n < 500; ++n) {
        const int nobj = editor.window.model.nobj;
        const std::string x = std::to_string(pick(200, 6000)), y = std::to_string(pick(200, 4000));
        const std::string i = nobj == 0 ? "" : std::to_string(pick(1, nobj));
        const std::string d = std::to_string(pick(-500, 500));
        const std::string entry = pick(0, 1) ? "signals " + std::to_string(pick(1, 11))
                                             : "bondgraph " + std::to_string(pick(1, 14));
        const std::string actions[] = {
            "drop " + entry + " " + x + " " + y + "\n",
            "image1_mousemove " + i + " 1 0 20 20\nimage1_mousemove " + i + " 1 0 " + d + " " + d +
                "\nimage1_mouseup " + i + " 1 0 " + d + " " + d + "\n",
            "form_mousemove 0 0 " + x + " " + y + "\nform_mousemove 1 0 " + x + " " + y +
                "\nform_mousemove 1 0 " + y + " " + x + "\nform_mouseup 1 0 " + y + " " + x + "\n",
            "image1_click " + i + "\nmenu ddelete\n",
            "image1_click " + i + "\nmenu copy\nmenu paste\n",
        };
        editor.run(actions[nobj == 0 ? 0 : pick(0, 4)]);
    }
    const std::string last = editor.file();
    const std::size_t steps = editor.history().history().steps();
    ASSERT_GT(steps, 200u);
    for (std::size_t k = 0; k < steps; ++k) editor.run("menu editundo\n");
    EXPECT_EQ(editor.file(), first);
    EXPECT_FALSE(editor.history().history().can_undo());
    for (std::size_t k = 0; k < steps; ++k) editor.run("menu editredo\n");
    EXPECT_EQ(editor.file(), last);
}

// small_model() with a bond from the junction to the capacitor.
Model bonded_model() {
    Model m = test::small_model();
    m.lines[static_cast<std::size_t>(++m.nlin)] = {1, 1, 2, 0};
    return m;
}

TEST(History, SelectionAndWorkFieldsAloneMakeNoStepButAreRestored) {
    Model m = bonded_model();
    History history;
    EXPECT_FALSE(history.commit(m, "Before reset"));  // only takes the starting point
    EXPECT_FALSE(history.commit(m, "Nothing"));
    m.objs[1].effin = 3;
    m.objs[4].strongobj = 2;
    m.objs[2].selected = kTrue;
    m.lines[1].selected = kTrue;
    EXPECT_FALSE(history.commit(m, "Select"));
    EXPECT_EQ(history.steps(), 0u);

    // Undo brings them back as they were at the end of the last action, and
    // leaves the slots above the counts alone.
    m.objs[8] = m.objs[1];
    ++m.nobj;
    ASSERT_TRUE(history.commit(m, "Paste"));
    m.objs[8].caption = "edited later";
    m.objs[2].selected = kFalse;
    m.lines[1].selected = kFalse;
    m.objs[1].effin = 0;
    ASSERT_TRUE(history.undo(m));
    EXPECT_EQ(m.objs[8].caption.trimmed(), "edited later");
    EXPECT_EQ((std::vector<int>{m.nobj, m.objs[2].selected, m.lines[1].selected, m.objs[1].effin,
                                m.objs[4].strongobj}),
              (std::vector<int>{7, kTrue, kTrue, 3, 2}));
}

// The newest steps up to the capacity undo and redo to the texts they
// made; a new step after undoing drops the steps that could be redone.
TEST(History, KeepsTheNewestStepsUpToItsCapacity) {
    for (const std::size_t capacity : {std::size_t{1}, std::size_t{3}, History::kDefaultCapacity}) {
        SCOPED_TRACE(capacity);
        Model m = bonded_model();
        History history(capacity);
        history.reset(m);
        std::vector<std::string> texts{format_model(m)};
        const int edits = static_cast<int>(capacity) + 5;
        for (int k = 1; k <= edits; ++k) {
            m.objs[1].left = static_cast<std::int16_t>(k);
            ASSERT_TRUE(history.commit(m, "Move " + std::to_string(k)));
            texts.push_back(format_model(m));
        }
        EXPECT_EQ(history.steps(), capacity);
        EXPECT_EQ(history.undo_caption(), "Move " + std::to_string(edits));
        std::size_t undone = 0;
        while (history.undo(m)) {
            EXPECT_EQ(history.redo_caption(), "Move " + std::to_string(edits - undone++));
        }
        EXPECT_EQ(undone, capacity);
        EXPECT_EQ(format_model(m), texts[texts.size() - 1 - capacity]);
        EXPECT_EQ(history.undo_caption(), "");
        while (history.redo(m)) continue;
        EXPECT_EQ(format_model(m), texts.back());
        history.undo(m);
        m.nobj = 6;
        ASSERT_TRUE(history.commit(m, "Delete"));
        EXPECT_FALSE(history.can_redo());
        EXPECT_EQ(history.undo_caption(), "Delete");
    }
}

}  // namespace
}  // namespace vantor
