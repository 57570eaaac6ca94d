// Journals of connecting gestures and caption edits replay to what calling
// the handlers gives.
#include <gtest/gtest.h>

#include "display/window_load.h"
#include "editor/caption_edit.h"
#include "editor/connect.h"
#include "editor/mouse_handlers.h"
#include "editor/replay.h"
#include "editor/state_file.h"
#include "editor_fixtures.h"

namespace vantor {
namespace {

ObjRecord record(const char* type, const char* caption, int left, int top, int maxlin = 1) {
    ObjRecord o = test::element(type, caption, maxlin);
    o.left = static_cast<std::int16_t>(left);
    o.top = static_cast<std::int16_t>(top);
    return o;
}

ObjRecord port_of(int owner, int signout) {
    ObjRecord o = test::con(owner, signout);
    o.auxil3 = 1;
    return o;
}

// A junction and a capacitor; a detector whose output port is at (3240,
// 1000); a scope whose input port is at (2880, 2500); a note.
Model small_model() {
    Model m;
    ObjRecord detector = record("De_", "De", 3000, 1000);
    detector.signout = 1;
    ObjRecord scope = record("sco", "scope", 3000, 2500, 0);
    scope.maxsigninp = 1;
    const ObjRecord objs[] = {record("111", "1", 1000, 1000, 10),
                              record("C__", "C", 1000, 2000),
                              detector,
                              port_of(3, -1),
                              scope,
                              port_of(5, 0),
                              record("Tex", "note", 5000, 500, 0)};
    for (const ObjRecord& o : objs) m.objs[static_cast<std::size_t>(++m.nobj)] = o;
    return m;
}

struct Scene {
    Scene() {
        init_model_window(window, 1);
        window.model = small_model();
        show_loaded_model(window, app);
    }
    std::string state() const { return format_state_file(window, app); }
    void replay(const std::string& text) {
        replay_journal(window, app, host, parse_journal(text, "test.jnl"));
    }

    ModelWindow window;
    AppState app;
    test::FakeHost host;
};

TEST(ConnectReplay, EqualsCallingTheHandlers) {
    Scene replayed;
    replayed.replay(R"(form_mousemove 0 0 1060 1112
form_mousemove 1 0 1060 1112
form_mousemove 1 0 1060 2112
form_mouseup 1 0 1060 2112
image1_mousemove 4 2 0 30 40
image1_mousemove 4 2 0 1030 40
image1_mousemove 4 2 0 -330 1540
image1_mouseup 4 2 0 -330 1540
image1_mousemove 2 2 0 30 40
image1_mousemove 2 2 0 2030 40
image1_mouseup 2 2 0 2030 40
image1_click 7
image1_dblclick 7
text1_change "two\r\nlines"
text1_lostfocus
)");

    Scene direct;
    ModelWindow& w = direct.window;
    AppState& app = direct.app;
    form_mousemove(w, app, 0, 0, 1060, 1112);
    form_mousemove(w, app, 1, 0, 1060, 1112);
    form_mousemove(w, app, 1, 0, 1060, 2112);
    Form_MouseUp(w, app, 1, 0, 1060, 2112);
    image1_MouseMove(w, app, 4, 2, 0, 30, 40);
    image1_MouseMove(w, app, 4, 2, 0, 1030, 40);
    image1_MouseMove(w, app, 4, 2, 0, -330, 1540);
    image1_MouseUp(w, app, 4, 2, 0, -330, 1540);
    image1_MouseMove(w, app, 2, 2, 0, 30, 40);
    image1_MouseMove(w, app, 2, 2, 0, 2030, 40);
    image1_MouseUp(w, app, 2, 2, 0, 2030, 40);
    image1_Click(w, app, 7);
    open_caption_box(w, 7);
    w.Text1.text = "two\r\nlines";
    text1_Change(w);
    Text1_LostFocus(w, app);

    EXPECT_EQ(replayed.state(), direct.state());
    // The journal reached the window: a bond, a connection point attached to
    // the scope with two links, a copy of C and the note's new text.
    const Model& m = replayed.window.model;
    EXPECT_EQ(m.nobj, 9);
    EXPECT_EQ(m.nlin, 3);
    EXPECT_EQ(m.objs[8].index, 6);
    EXPECT_EQ(m.objs[9].type, "C__");
    EXPECT_EQ(m.objs[7].caption.trimmed(), "two\r\nlines");
}

TEST(ConnectReplay, TypingIntoTheHiddenBoxStopsTheReplay) {
    Scene editor;
    try {
        editor.replay("image1_click 7\ntext1_change \"x\"\n");
        ADD_FAILURE() << "no stop";
    } catch (const JournalError& e) {
        EXPECT_EQ(e.line(), 2);
        EXPECT_NE(e.problem().find("hidden"), std::string::npos) << e.problem();
    }
    EXPECT_EQ(editor.window.model.objs[7].caption.trimmed(), "note");
    // Closing a hidden box still runs.
    editor.window.menus.ddelete = false;
    editor.replay("text1_lostfocus\n");
    EXPECT_TRUE(editor.window.menus.ddelete);
}

}  // namespace
}  // namespace vantor
