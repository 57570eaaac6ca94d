// The element double click: its four paths, the port rebuild of sum, mux and
// demux blocks, and the dialog lines of journals.
#include "editor/element_dblclick.h"

#include <fstream>
#include <functional>

#include "edit_fixtures.h"
#include "journal/replay.h"
#include "simulink/block_captions.h"
#include "test_scratch.h"

namespace vantor {
namespace {

// Types into the first box, then presses the given button.
class ScriptedDialog : public ParameterDialogPort {
  public:
    void show_modal(ParameterDialog& dialog, AppState& app) override {
        ++shown;
        seen = dialog;
        if (value1) dialog.value1.text = *value1;
        press(dialog, app);
    }
    std::optional<std::string> value1;
    std::function<void(ParameterDialog&, AppState&)> press = close_Click;
    ParameterDialog seen;
    int shown = 0;
};

class FakeMatlab : public MatlabLink {
  public:
    std::string type_commands(const std::vector<std::string>& commands) override {
        sent.push_back(commands);
        return answer;
    }
    std::vector<std::vector<std::string>> sent;
    std::string answer;
};

class ElementDblClickTest : public test::EditTest {
  protected:
    void reset() override {
        EditTest::reset();
        dialog = ScriptedDialog{};
        matlab = FakeMatlab{};
        app.program_dir = test::scratch_dir();
        std::filesystem::create_directories(library_folder(app));
        for (const char* type : {"sum", "mux", "dem"}) {
            std::ofstream(library_folder(app) + "/" + type + ".dat") << "Block\r\n1\r\nCount\r\n";
        }
    }
    int add_block(const char* type, const char* parameters, int inputs, int outputs) {
        return add(block(type, parameters, inputs, outputs), 1500, 1500);
    }
    int add_port(int owner, int number, int signout, const char* caption = ">") {
        ObjRecord port = test::con(owner, signout);
        port.auxil3 = static_cast<std::int16_t>(number);
        port.caption = caption;
        return add(port, 1000, 1000 + 300 * number);
    }
    void double_click(int i, const char* typed) {
        dialog.value1 = typed;
        image1_DblClick(window, app, host, dialog, matlab, i);
    }
    // (auxil3, signout, caption) of the ports of block e, in element order.
    std::vector<std::tuple<int, int, std::string>> ports_of(int e) const {
        std::vector<std::tuple<int, int, std::string>> ports;
        for (int i = 1; i <= window.model.nobj; ++i) {
            if (obj(i).type == "con" && obj(i).auxil2 == e) {
                ports.emplace_back(obj(i).auxil3, obj(i).signout, obj(i).caption.trimmed());
            }
        }
        return ports;
    }

    ScriptedDialog dialog;
    FakeMatlab matlab;
};

using Ports = std::vector<std::tuple<int, int, std::string>>;

TEST_F(ElementDblClickTest, SumGrowsAPortWithTheFirstPortsCaptionAndLosesItAgain) {
    const int e = add_block("sum", "+-", 2, 1);
    add_port(e, 1, 0, "v");
    add_port(e, 2, 0, "v");
    add_port(e, 1, -1, "v");

    double_click(e, "+-+");
    EXPECT_EQ(ports_of(e), (Ports{{1, 0, "v"}, {2, 0, "v"}, {1, -1, "v"}, {3, 0, "v"}}));
    EXPECT_EQ(obj(e).maxsigninp, 3);
    EXPECT_EQ(obj(e).signout, 1);
    EXPECT_EQ(obj(e).caption.trimmed(), "+  -  +");
    EXPECT_EQ(obj(e).parameters.trimmed(), "+-+");

    double_click(e, "+-");
    EXPECT_EQ(ports_of(e), (Ports{{1, 0, "v"}, {2, 0, "v"}, {1, -1, "v"}}));
    EXPECT_EQ(obj(e).maxsigninp, 2);
    EXPECT_EQ(window.model.nobj, 4);
    EXPECT_EQ(obj(e).caption.trimmed(), "+  -");
}

TEST_F(ElementDblClickTest, DemuxShrinksFollowingTheBlockWhenItIsTheLastElement) {
    // Ports first, the block last: each deletion moves the block into a hole.
    for (int k = 1; k <= 4; ++k) add_port(6, k, -1);
    add_port(6, 1, 0);
    const int e = add_block("dem", "4", 1, 4);
    ASSERT_EQ(e, 6);

    double_click(e, "2");
    int block = 0;
    for (int i = 1; i <= window.model.nobj; ++i) {
        if (obj(i).type == "dem") block = i;
    }
    ASSERT_NE(block, 0);
    EXPECT_EQ(window.model.nobj, 4);
    EXPECT_EQ(ports_of(block), (Ports{{1, -1, ">"}, {2, -1, ">"}, {1, 0, ">"}}));
    EXPECT_EQ(obj(block).signout, 2);
    EXPECT_EQ(obj(block).parameters.trimmed(), "2");
    EXPECT_EQ(obj(block).caption.trimmed(), demux(window.model, 2, block));
    EXPECT_EQ(obj(block).effin, 0);
}

TEST_F(ElementDblClickTest, ACountTheBlockCannotTakeChangesNothing) {
    const struct {
        const char* type;
        const char* typed;
        const char* message;
    } rows[] = {
        {"mux", "0", kBlockNeedsPort},
        {"mux", "abc", kBlockNeedsPort},
        {"mux", "0.5", kBlockNeedsPort},
        {"sum", "   ", kBlockNeedsPort},
        {"dem", "-3", kBlockNeedsPort},
        {"mux", "1000", "The model cannot hold more than 1000 elements"},
        {"dem", "1e9", "The model cannot hold more than 1000 elements"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.type) + " " + row.typed);
        window.model.nobj = 0;
        host.messages.clear();
        const int e = add_block(row.type, "2", 2, 0);
        add_port(e, 1, 0);
        add_port(e, 2, 0);
        const std::string caption(obj(e).caption.raw());
        double_click(e, row.typed);
        EXPECT_EQ(host.messages, std::vector<std::string>{row.message});
        EXPECT_EQ(window.model.nobj, 3);
        EXPECT_EQ(obj(e).maxsigninp, 2);
        EXPECT_EQ(obj(e).caption.raw(), caption);
        EXPECT_EQ(obj(e).parameters.trimmed(), "2");
    }
}

TEST_F(ElementDblClickTest, EachKindOfElementTakesItsPath) {
    const int note = add(test::element("Tex", "note"), 100, 100);
    const int sys = add(test::element("sys", "sys"), 200, 100);
    const int junction = add(test::element("000", "0"), 300, 100);
    const int port = add(test::con(sys, 0), 400, 100);
    ObjRecord resistor = test::element("R__", "R");
    resistor.parameters = "10";
    resistor.parameter2 = "old";
    const int r = add(resistor, 500, 100);
    matlab.answer = kNoMatlabWindow;

    image1_DblClick(window, app, host, dialog, matlab, note);
    EXPECT_TRUE(window.Text1.visible);
    EXPECT_EQ(window.Text1.text, "note");

    for (const int quiet : {junction, port}) {
        image1_DblClick(window, app, host, dialog, matlab, quiet);
        EXPECT_FALSE(window.Text1.visible);
    }
    EXPECT_EQ(dialog.shown, 0);
    EXPECT_TRUE(matlab.sent.empty());

    image1_DblClick(window, app, host, dialog, matlab, sys);
    EXPECT_EQ(matlab.sent, (std::vector<std::vector<std::string>>{{"simulink", "subsist"}}));
    EXPECT_EQ(host.messages, std::vector<std::string>{kNoMatlabWindow});
    EXPECT_EQ(dialog.shown, 0);

    // No R__.dat here: both boxes, and Close keeps parameter2.
    double_click(r, "22");
    EXPECT_EQ(dialog.shown, 1);
    EXPECT_EQ(dialog.seen.caption, "R__");
    EXPECT_EQ(dialog.seen.value1.text.size(), 100u);
    EXPECT_EQ(obj(r).parameters.trimmed(), "22");
    EXPECT_EQ(obj(r).parameter2.trimmed(), "old");
}

// A journal's dialog lines do what pressing the dialog's buttons does.
TEST_F(ElementDblClickTest, JournalDialogLinesEqualDirectCalls) {
    const struct {
        const char* lines;
        std::function<void(ParameterDialog&, AppState&)> press;
    } rows[] = {
        {"dialog value1 \"+-+\"\ndialog Close\n", close_Click},
        {"dialog value1 \"+-+\"\ndialog Apply\ndialog value1 \"+\"\ndialog Cancel\n",
         [](ParameterDialog& d, AppState& a) {
             Apply_Click(d, a);
             d.value1.text = "+";
             Cancel_Click(d, a);
         }},
        {"dialog value1 \"+-+\"\n", [](ParameterDialog& d, AppState&) { close_box(d); }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.lines);
        window.model.nobj = 0;
        const int e = add_block("sum", "+-", 2, 0);
        add_port(e, 1, 0);
        add_port(e, 2, 0);
        ModelWindow replayed = window;
        AppState replay_app = app;

        dialog.press = row.press;
        double_click(e, "+-+");
        replay_journal(replayed, replay_app, host,
                       parse_journal(std::string("image1_dblclick 1\n") + row.lines, "t.jnl"));
        EXPECT_EQ(format_state_file(replayed, replay_app), format_state_file(window, app));
    }
}

}  // namespace
}  // namespace vantor
