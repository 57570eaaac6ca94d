// The Edit menu's journal lines replay as the commands themselves run.
#include <gtest/gtest.h>

#include "display/viewport.h"
#include "display/window_load.h"
#include "editor/clipboard.h"
#include "editor/edit_commands.h"
#include "editor/mouse_handlers.h"
#include "editor/replay.h"
#include "editor/rotate.h"
#include "editor/state_file.h"
#include "editor_fixtures.h"
#include "model/model_reader.h"

namespace vantor {
namespace {

struct OpenModel {
    OpenModel() {
        init_model_window(window, 1);
        window.model = read_model_file(std::string(VANTOR_EXAMPLES_DIR) + "/parallel_rc.bgf");
        show_loaded_model(window, app);
    }
    AppState app;
    ModelWindow window;
    test::FakeHost host;
};

TEST(EditJournal, EditMenuLinesReplayAsTheCommandsRun) {
    OpenModel replayed;
    replay_journal(replayed.window, replayed.app, replayed.host,
                   parse_journal("menu selectall\nmenu copy\nhscroll 300\nmenu paste\n"
                                 "image1_click 7\nmenu rotate\nmenu Cut\nvscroll 500\nmenu paste\n"
                                 "menu edit\nmenu ddelete\nmenu paste\n",
                                 "edit.jnl"));

    OpenModel direct;
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
    EXPECT_EQ(format_state_file(replayed.window, replayed.app), format_state_file(w, app));
}

}  // namespace
}  // namespace vantor
