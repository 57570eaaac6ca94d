// Replaying journals: a replay does what calling the handlers does, drops
// hand over what the palette hands over, and the lines that must stop a
// replay stop it at their line.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/app_fakes.h"
#include "app/palette.h"
#include "causality/causality_commands.h"
#include "display/redraw.h"
#include "display/viewport.h"
#include "editor/caption_edit.h"
#include "editor/clipboard.h"
#include "editor/connect.h"
#include "editor/drop.h"
#include "editor/edit_commands.h"
#include "editor/mouse_handlers.h"
#include "editor/replay_fixtures.h"
#include "editor/rotate.h"
#include "editor/window_causality.h"
#include "test_scratch.h"

namespace vantor {
namespace {

namespace fs = std::filesystem;
using test::Editor;
using test::kData;
using test::kExamples;

// The drag from the palette window itself, then the drop.
void palette_drop(Editor& editor, const std::string& library, int entry, float x, float y) {
    Palette palette(editor.app.program_dir + "/library/" + library + ".lib", library);
    test::FakePorts ports;
    palette.Form_GotFocus(editor.app, ports);
    palette.image1_DragOver(editor.app, entry);
    Form_DragDrop(editor.window, editor.app, editor.host, x, y);
}

TEST(JournalReplay, EqualsCallingTheHandlers) {
    Editor replayed(kData, kExamples + "/series_rlc.bgf");
    replayed.replay(R"(# every kind of line that runs today
resize 9000 5000
drop bondgraph 5 3000 2000
image1_mousemove 12 1 0 50 50
image1_mousemove 12 1 0 300 170.5
image1_mouseup 12 1 0 300 170.5
image1_click 12
form_mousemove 1 0 100 100
form_mousemove 1 0 2000 1500
form_mouseup 1 0 2000 1500
hscroll 500
vscroll 250
form_mousemove 0 0 400 400
form_lostfocus
drop signals 1 1000 3000
menu showp
menu simulink2
menu assign
menu undo
menu extend
form_dblclick
form_mouseup 1 0 10 10
)");

    Editor direct(kData, kExamples + "/series_rlc.bgf");
    ModelWindow& w = direct.window;
    AppState& app = direct.app;
    w.viewport.width = 9000;
    w.viewport.height = 5000;
    Form_Resize(w);
    palette_drop(direct, "bondgraph", 5, 3000, 2000);
    image1_MouseMove(w, app, 12, 1, 0, 50, 50);
    image1_MouseMove(w, app, 12, 1, 0, 300, 170.5f);
    image1_MouseUp(w, app, 12, 1, 0, 300, 170.5f);
    image1_Click(w, app, 12);
    form_mousemove(w, app, 1, 0, 100, 100);
    form_mousemove(w, app, 1, 0, 2000, 1500);
    Form_MouseUp(w, app, 1, 0, 2000, 1500);
    set_hscroll(w, 500);
    set_vscroll(w, 250);
    form_mousemove(w, app, 0, 0, 400, 400);
    Form_LostFocus(w);
    palette_drop(direct, "signals", 1, 1000, 3000);
    w.menus.showp = !w.menus.showp;
    for (int k = 0; k < 3; ++k) refresco(w, app);
    w.menus.simulink_version = 2;
    WindowCausalityHost causality(w, app, direct.host);
    assign_Click(w, read_priority_tables(app.program_dir), causality);
    Undo_Click(w, causality);
    extend_Click(w, causality);
    Form_DblClick(w);
    Form_MouseUp(w, app, 1, 0, 10, 10);

    EXPECT_EQ(replayed.state(), direct.state());
    EXPECT_EQ(replayed.host.messages, direct.host.messages);
    // The journal did reach the window: two drops (the sum with three ports).
    EXPECT_EQ(replayed.window.model.nobj, 11 + 1 + 4);
    EXPECT_TRUE(replayed.window.menus.showp);
    EXPECT_EQ(replayed.window.menus.simulink_version, 2);
    EXPECT_EQ(replayed.window.viewport.HScroll1.value, 500);
}

TEST(JournalReplay, ConnectingGesturesAndCaptionEditsEqualCallingTheHandlers) {
    Editor replayed(kData, test::small_model());
    replayed.replay(std::string(test::kBondGesture) + R"(image1_mousemove 4 2 0 30 40
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

    Editor direct(kData, test::small_model());
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

TEST(JournalReplay, EditMenuLinesEqualRunningTheCommands) {
    Editor replayed(kData, kExamples + "/parallel_rc.bgf");
    replayed.replay(
        "menu selectall\nmenu copy\nhscroll 300\nmenu paste\nimage1_click 7\nmenu rotate\n"
        "menu Cut\nvscroll 500\nmenu paste\nmenu edit\nmenu ddelete\nmenu paste\n");

    Editor direct(kData, kExamples + "/parallel_rc.bgf");
    ModelWindow& w = direct.window;
    AppState& app = direct.app;
    NoClipboard clipboard;
    selectall_Click(w, app);
    Copy_Click(w, app, clipboard);
    set_hscroll(w, 300);
    paste_Click(w, app, direct.host);
    image1_Click(w, app, 7);  // the scope and its port
    rotate_Click(w, app);
    Cut_Click(w, app, clipboard);
    set_vscroll(w, 500);
    paste_Click(w, app, direct.host);
    edit_Click(w);
    ddelete_Click(w, app);
    paste_Click(w, app, direct.host);

    EXPECT_EQ(w.model.nobj, 18);
    EXPECT_EQ(w.model.objs[18].caption.trimmed(), "v");
    EXPECT_EQ(replayed.state(), direct.state());
}

// A program folder of the test's own: libraries with a port entry and with a
// value outside 16 bits, and no priority tables.
std::string program_folder() {
    const std::string dir = test::scratch_dir() + "program";
    fs::create_directories(dir + "/library");
    auto block = [](const std::string& type, const std::string& caption, int top, int inputs,
                    int outputs, int owner) {
        return "add_obj\r\ntype = " + type +
               "\r\nparameters = +-\r\nmaxlin =  0\r\nnumlin =  0\r\n" + "caption = " + caption +
               "\r\ntop =  " + std::to_string(top) +
               "\r\nleft =  240\r\nparameter2 = \r\nindex =  0\r\nmaxsigninp =  " +
               std::to_string(inputs) + "\r\nsignout =  " + std::to_string(outputs) +
               "\r\nauxil1 =  1\r\nauxil2 =  " + std::to_string(owner) +
               "\r\nauxil3 =  0\r\nend\r\n";
    };
    std::ofstream(dir + "/library/ports.lib", std::ios::binary)
        << block("sum", "  sum of two  ", 240, 2, 1, 0) << block("con", ">", 240, 0, 0, 1)
        << block("con", ">", 240, 0, 0, 9) << "end_sys\r\n";
    std::ofstream(dir + "/library/sum.dat", std::ios::binary) << "Sum\r\n1\r\nSigns\r\n";
    std::ofstream(dir + "/library/big.lib", std::ios::binary)
        << block("C__", "C", 40000, 0, 0, 0) << "end_sys\r\n";
    fs::copy_file(kData + "/library/bondgraph.lib", dir + "/library/bondgraph.lib",
                  fs::copy_options::overwrite_existing);
    return dir;
}

TEST(JournalReplay, APortEntryHandsOverItsBlockAsThePaletteDoes) {
    const std::string dir = program_folder();
    Editor replayed(dir);
    replayed.replay("drop ports 2 2000 1000\n");
    Editor direct(dir);
    palette_drop(direct, "ports", 2, 2000, 1000);

    EXPECT_EQ(replayed.state(), direct.state());
    const ObjRecord& block = replayed.window.model.objs[1];
    EXPECT_EQ(block.type, "sum");
    EXPECT_EQ(block.caption.trimmed(), "sum of two");
    EXPECT_EQ(replayed.window.model.nobj, 4);  // the block and its three ports
    EXPECT_EQ(replayed.app.selready, kTrue);   // the drop is over
}

void expect_stop(Editor& editor, const std::string& journal, int line, const std::string& problem) {
    try {
        editor.replay(journal);
        ADD_FAILURE() << "no stop in:\n" << journal;
    } catch (const JournalError& e) {
        EXPECT_EQ(e.line(), line) << journal;
        EXPECT_NE(e.problem().find(problem), std::string::npos)
            << journal << "\n  stopped with: " << e.what();
        EXPECT_EQ(std::string(e.what()).rfind("test.jnl: line " + std::to_string(line) + ": ", 0),
                  0u);
    }
}

TEST(JournalReplay, LinesThatStopTheReplayStopItAtTheirLine) {
    const std::string dir = program_folder();
    const struct {
        const char* journal;
        int line;
        const char* problem;
    } rows[] = {
        {"image1_click 0\n", 1, "glyph 0 is not in the model, which has 0 elements"},
        {"drop bondgraph 1 900 900\nimage1_mousemove 2 1 0 5 5\n", 2,
         "glyph 2 is not in the model"},
        {"drop bondgraph 1 900 900\nimage1_dblclick 1\nmenu showp\n", 3,
         "the parameter dialog is open"},
        {"drop bondgraph 13 900 900\nimage1_dblclick 1\ndialog Close\n", 3,
         "no parameter dialog is open"},
        {"drop ports 1 900 900\nimage1_dblclick 1\ndialog value2 \"x\"\n", 3,
         "nothing can be typed into value2: it is hidden"},
        {"drop nosuch 1 0 0\n", 1, "the library cannot be read: "},
        {"drop bondgraph 16 0 0\n", 1, "the palette bondgraph has no entry 16 (it has 15)"},
        {"drop bondgraph 0 0 0\n", 1, "has no entry 0"},
        {"drop ports 3 0 0\n", 1, "entry 3 of the palette ports is a port of entry 9"},
        {"drop big 1 0 0\n", 1, "big.lib"},
        {"drop bondgraph 1 40000 0\n", 1, "overflows a 16-bit field"},
        {"# no tables here\nmenu assign\n", 2, "Priority table"},
        {"dialog Apply\n", 1, "no parameter dialog is open"},
    };
    for (const auto& row : rows) {
        Editor editor(dir);
        // Whatever follows a stop does not run.
        expect_stop(editor, std::string(row.journal) + "menu showp\n", row.line, row.problem);
        EXPECT_FALSE(editor.window.menus.showp) << row.journal;
    }
}

// The caption box's lines run while it is hidden: the selected note takes
// the text and the hidden box's size, until closing the box redraws it.
TEST(JournalReplay, TypingIntoTheHiddenCaptionBoxRuns) {
    Editor editor(kData, test::small_model());
    editor.run("image1_click 7\ntext1_change \"x\"\n");
    EXPECT_FALSE(editor.window.Text1.visible);
    EXPECT_EQ(editor.window.model.objs[7].caption.trimmed(), "x");
    EXPECT_EQ(editor.window.image1[7].width, 0);
    EXPECT_FALSE(editor.window.menus.ddelete);
    editor.run("text1_lostfocus\n");
    EXPECT_TRUE(editor.window.menus.ddelete);
    EXPECT_GT(editor.window.image1[7].width, 0);
}

TEST(JournalReplay, DisabledMenuItemsDoNothing) {
    Editor editor(kData, kExamples + "/series_rlc.bgf");
    const std::string before = editor.state();
    editor.replay("menu ddelete\nmenu Cut\nmenu copy\nmenu rotate\n");
    EXPECT_EQ(editor.state(), before);
}

// Show Parameters' redraw and a Simulink item are compared with direct calls
// above; here the toggle goes back and the other items map to their versions.
TEST(JournalReplay, ShowParametersTogglesAndSimulinkItemsChooseTheirVersion) {
    Editor editor(kData, kExamples + "/series_rlc.bgf");
    editor.replay("menu showp\nmenu showp\nmenu simulink1\nmenu simulink3\nmenu simulink3\n");
    EXPECT_FALSE(editor.window.menus.showp);
    EXPECT_EQ(editor.window.menus.simulink_version, 3);
    editor.replay("menu simulink1\n");
    EXPECT_EQ(editor.window.menus.simulink_version, 1);
}

TEST(JournalReplay, ACausalityErrorSelectsTheElementInErrorAndEnablesTheEditCommands) {
    // Two effort sources on one bond: the second conflicts with the first.
    Model m;
    for (int i = 1; i <= 2; ++i) {
        ObjRecord se = test::placed(test::element("Se_", "Se", 1), 1000 * i, 500);
        se.numlin = 1;
        m.objs[static_cast<std::size_t>(++m.nobj)] = se;
    }
    m.lines[static_cast<std::size_t>(++m.nlin)] = {0, 1, 2, 0};
    Editor editor(kData, m);
    editor.window.model.objs[1].selected = kTrue;
    editor.replay("menu assign\n");
    EXPECT_EQ(editor.host.messages, std::vector<std::string>{kCausalityErrorMessage});
    EXPECT_EQ(editor.window.model.objs[1].selected, kFalse);
    EXPECT_EQ(editor.window.model.objs[2].selected, kTrue);
    EXPECT_EQ(editor.window.image1[2].color, editor.app.colsel);
    EXPECT_EQ(editor.window.image1[1].color, editor.app.colnorm);
    EXPECT_TRUE(editor.window.menus.ddelete && editor.window.menus.Cut &&
                editor.window.menus.copy && editor.window.menus.rotate);

    editor.replay("menu undo\n");
    EXPECT_EQ(editor.window.model.lines[1].causa, 0);
    EXPECT_EQ(editor.host.messages.size(), 1u);
}

}  // namespace
}  // namespace vantor
