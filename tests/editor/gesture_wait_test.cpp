// While a mouse button is held the Edit and Run commands wait: a journal's
// menu lines in the middle of a gesture change nothing, as keys do nothing
// in the window.
#include "editor/gesture_wait.h"

#include <gtest/gtest.h>

#include "replay_fixtures.h"

namespace vantor {
namespace {

using test::Editor;

constexpr const char* kCommands =
    "menu ddelete\nmenu Cut\nmenu paste\nmenu rotate\nmenu selectall\nmenu assign\n"
    "menu extend\nmenu undo\nmenu editundo\n";

TEST(GestureWait, MenuLinesDuringAGestureChangeNothing) {
    const struct {
        const char* name;
        const char* setup;
        const char* before;  // up to the middle of the gesture
        const char* after;   // its end
    } rows[] = {
        {"glyph drag", "image1_click 2\n",
         "image1_mousemove 2 1 0 30 40\nimage1_mousemove 2 1 0 530 340\n",
         "image1_mouseup 2 1 0 530 340\nimage1_click 2\n"},
        {"copy-drag", "image1_click 2\n",
         "image1_mousemove 2 2 0 30 40\nimage1_mousemove 2 2 0 2030 40\n",
         "image1_mouseup 2 2 0 2030 40\n"},
        {"bond drawing", "", "form_mousemove 0 0 1060 1112\nform_mousemove 1 0 1060 1112\n",
         "form_mousemove 1 0 1060 2112\nform_mouseup 1 0 1060 2112\n"},
        {"selection band", "form_mouseup 1 0 4000 4000\n",
         "form_mousemove 1 0 500 500\nform_mousemove 1 0 1500 1500\n",
         "form_mouseup 1 0 1500 1500\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Editor plain(test::kData, test::small_model());
        plain.run(std::string(row.setup) + row.before + row.after);
        Editor keyed(test::kData, test::small_model());
        keyed.run(std::string(row.setup) + row.before + kCommands + row.after);
        EXPECT_EQ(keyed.file(), plain.file());
        EXPECT_EQ(keyed.history().undo_text(), plain.history().undo_text());
        EXPECT_EQ(keyed.history().history().steps(), plain.history().history().steps());

        // Once the button is up they act again.
        keyed.run("menu selectall\nmenu ddelete\n");
        EXPECT_EQ(keyed.window.model.nobj, 0);
    }
}

TEST(GestureWait, FocusLossEndsTheWaitAndOnlyEditAndRunWait) {
    Editor editor(test::kData, test::small_model());
    editor.run("image1_mousemove 2 1 0 30 40\n");
    const ActionHistory& history = editor.history();
    for (const char* item : {"ddelete", "paste", "edit", "editundo", "assign", "generate",
                             "generate_cancelled", "simulate"}) {
        EXPECT_TRUE(command_waits(history, item)) << item;
    }
    for (const char* item : {"showp", "simulink2"}) EXPECT_FALSE(command_waits(history, item));
    editor.run("form_lostfocus\n");
    EXPECT_FALSE(command_waits(history, "ddelete"));
    // A press the display saw but no event carried yet.
    EXPECT_TRUE(command_waits(history, "ddelete", 1));
}

}  // namespace
}  // namespace vantor
