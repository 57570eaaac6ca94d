// What a state file cannot show: captions as stored, the stacking order,
// fonts, the open dialog, entries no palette ships, the picture Copy puts on
// the system clipboard, and the commands that wait for a held button.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "display/glyph_metrics.h"
#include "editor/clipboard.h"
#include "editor/clipboard_port.h"
#include "editor/drop.h"
#include "editor/gesture_wait.h"
#include "editor/rotate.h"
#include "replay_fixtures.h"
#include "window/selection.h"

namespace vantor {
namespace {

using test::Editor;
using test::element;

class RecordingClipboard : public ClipboardPort {
  public:
    void put_picture(const ClipboardPicture& picture) override { pictures.push_back(picture); }
    std::vector<ClipboardPicture> pictures;
};

class DropAndCopy : public test::EditorTest {};

TEST_F(DropAndCopy, ADropStoresItsCaptionLeftTrimmedAndComesToTheFront) {
    app.dragobj = element("R__", "  R  ");
    Form_DragDrop(window, app, host, 1000, 800);
    Form_DragDrop(window, app, host, 1000, 800);
    EXPECT_EQ(obj(1).caption.raw(), "R" + std::string(99, ' '));
    EXPECT_EQ(glyph(1).caption, "R");
    EXPECT_GT(glyph(2).z, glyph(1).z);
    EXPECT_EQ(host.focus_requests, 2);
}

// Entries no palette ships: a negative port count makes no ports, so the drop
// fits; a chain that loops back on itself never reaches a selected block.
TEST_F(DropAndCopy, NegativePortCountsAndLoopedChainsEndCleanly) {
    window.model.nobj = 999;
    app.dragobj = test::signal_block("sum", -3, 0);
    Form_DragDrop(window, app, host, 1000, 800);
    EXPECT_EQ(window.model.nobj, 1000);
    EXPECT_TRUE(host.messages.empty());

    init_model_window(window, 1);
    const int a = add(test::con(2, -1), 100, 100);
    const int b = add(test::con(a, -1), 300, 100);
    for (int i : {a, b}) select_element(window, app, i);
    EXPECT_FALSE(cadena_sel(window.model, b));
}

TEST_F(DropAndCopy, ThePictureShowsTheCopyAtItsClipboardPlaces) {
    ObjRecord framed = element("C__", "C");
    framed.auxil1 = 1;
    add(framed, 1000, 2000);
    add(element("000", "0", 4), 2000, 2000);
    add(element("R__", "R"), 5000, 5000);  // not copied
    add_bond(1, 2, 0, 0, 0, 0, 1);
    for (int i : {1, 2}) select_element(window, app, i);
    select_bond(window, app, 1);
    habilita(window);
    RecordingClipboard clipboard;
    Copy_Click(window, app, clipboard);

    const ClipboardPicture& picture = clipboard.pictures.at(0);
    ASSERT_EQ(picture.glyphs.size(), 2u);
    const Glyph& second = picture.glyphs[1];
    EXPECT_EQ(picture.glyphs[0].border, 1);
    EXPECT_EQ(second.left + second.top, 1100 + 100);
    EXPECT_EQ(second.color, 0);
    // The bond, its barb and its stroke, moved like the elements.
    ASSERT_EQ(picture.lines.size(), 3u);
    EXPECT_EQ(picture.lines[0].x1, window.linea[1].x1 - 900);
    EXPECT_EQ(picture.lines[2].y2, window.Linea3[1].y2 - 1900);
    EXPECT_LT(picture.width, 2000);
}

// The caption box takes a two-line note's height, and what is typed takes
// the box's font; a resistor's dialog is captioned with its type and holds
// the whole stored parameter; a copy-drag's copies stack above every
// original, the ones left on top of what they copy included.
TEST(NotInTheStateFile, CaptionBoxDialogAndCopiesFollowTheirElements) {
    Model m = test::small_model();
    m.objs[7].caption = "first\r\nsecond";
    Editor e(test::kData, m);
    e.run("image1_click 7\nimage1_dblclick 7\n");
    TextBox& box = e.window.Text1;
    EXPECT_EQ(box.width, 6 * kGlyphCharWidth);
    EXPECT_EQ(box.height, 2 * kGlyphLineHeight);
    box.font_name = "Arial";
    box.font_size = 12;
    box.bold = false;
    e.run("text1_change \"typed\"\n");
    const Glyph& note = e.window.image1[7];
    EXPECT_EQ(std::tie(note.font_name, note.font_size, note.bold),
              std::make_tuple(std::string("Arial"), 12.0f, false));

    e.run("text1_lostfocus\ndrop bondgraph 7 2000 3500\nimage1_dblclick 8\n");
    EXPECT_EQ(e.session.dialog.caption, "R__");
    EXPECT_EQ(e.session.dialog.value1.text.size(), 100u);

    e.run(
        "dialog Close\nmenu selectall\nimage1_mousemove 2 2 0 30 40\n"
        "image1_mousemove 2 2 0 2030 40\nimage1_mouseup 2 2 0 2030 40\n");
    const auto z = [&](int i) { return e.window.image1[static_cast<std::size_t>(i)].z; };
    ASSERT_GT(e.window.model.nobj, 9);
    int top_original = z(1), lowest_copy = z(9);
    for (int i = 1; i <= 8; ++i) top_original = std::max(top_original, z(i));
    for (int i = 9; i <= e.window.model.nobj; ++i) lowest_copy = std::min(lowest_copy, z(i));
    EXPECT_GT(lowest_copy, top_original);
}

TEST(NotInTheStateFile, OnlyArrowsTurnAndAHeldPressMakesCommandsWait) {
    for (const char* same : {"V", ""}) EXPECT_EQ(turned_clockwise(same), same);
    // A press the display saw but no event carried yet: the shell asks so.
    const ActionHistory idle;
    EXPECT_FALSE(command_waits(idle, "ddelete"));
    EXPECT_TRUE(command_waits(idle, "ddelete", 1));
}

}  // namespace
}  // namespace vantor
