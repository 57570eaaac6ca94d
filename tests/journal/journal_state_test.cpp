// The state file: its exact text for a small window (kept beside the journal
// cases, which pin it for whole replays), and the text rules.
#include <gtest/gtest.h>

#include <cmath>

#include "journal/state_file.h"
#include "model/file_reading.h"

namespace vantor {
namespace {

// A window set up field by field, so that the text depends on the writer alone.
ModelWindow small_window(AppState& app) {
    ModelWindow w;
    init_model_window(w, 1);
    Model& m = w.model;
    m.nobj = 2;
    m.nlin = 1;
    ObjRecord& c = m.objs[1];
    c.type = "C__";
    c.caption = "  C1";
    c.parameters = "1e-3";
    c.parameter2 = "0";
    c.top = 700, c.left = 850, c.maxlin = 1, c.numlin = 1, c.auxil1 = 1, c.selected = kTrue;
    ObjRecord& note = m.objs[2];
    note.type = "Tex";
    note.caption = "caf\xE9 \"x\\y\"";
    note.parameters = std::string("a\0b", 3);
    note.parameter2 = std::string("\x01\x1F\x7F\x8D", 4);  // control bytes escaped
    note.top = -5;
    m.lines[1] = {1, 2, 1, 0};
    m.objs[3].type = "R__";  // beyond nobj: left out
    w.image1[1] = Glyph{};
    w.image1[1].left = 850, w.image1[1].top = 700.5f, w.image1[1].width = 300;
    w.image1[1].height = 0.1f, w.image1[1].caption = "C1\r:1e-3", w.image1[1].color = 255;
    w.image1[1].visible = true, w.image1[1].border = 1;
    w.image1[2].caption = " caf\xE9 ";
    w.linea[1].x1 = 1.5f, w.linea[1].visible = true;
    w.linea2[1].width = 1;
    w.Text1.text = "  typed\t";
    w.Text1.visible = true;
    w.Text1.width = 1234.25f;
    w.viewport.HScroll1.value = 500;
    w.viewport.height = 4000;
    w.saved = kTrue;
    w.causerr = kTrue;
    w.MousePointer = kPointerConnect;
    w.menus.copy = true;
    w.menus.showp = true;
    w.menus.simulink_version = 2;
    app.nclipobj = 3;
    app.nclipline = 1;
    return w;
}

TEST(StateFile, ExactTextOfASmallWindow) {
    AppState app;
    const ModelWindow w = small_window(app);
    // Control bytes escaped, 0x8D as U+008D, NUL kept, singles to nine digits.
    const std::string expected = read_whole_file(std::string(VANTOR_EXAMPLES_DIR) +
                                                 "/../tests/data/state_file/small_window.json");
    EXPECT_EQ(format_state_file(w, app), expected);

    // The golden text is fine enough to see one step of a single.
    ModelWindow nudged = w;
    nudged.image1[1].top = std::nextafter(700.5f, 1000.0f);
    EXPECT_NE(format_state_file(nudged, app), expected);
}

}  // namespace
}  // namespace vantor
