// What a journal cannot show of a drop and a copy: the caption as stored,
// the stacking order, entries no palette ships, and the picture Copy puts on
// the system clipboard.
#include <gtest/gtest.h>

#include "editor/clipboard.h"
#include "editor/clipboard_port.h"
#include "editor/drop.h"
#include "editor_fixtures.h"
#include "window/selection.h"

namespace vantor {
namespace {

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

}  // namespace
}  // namespace vantor
