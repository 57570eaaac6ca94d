// Copy and Paste through the clipboard that all windows share.
#include "editor/clipboard.h"

#include <gtest/gtest.h>

#include "display/viewport.h"
#include "edit_fixtures.h"

namespace vantor {
namespace {

using test::EditTest;
using test::element;

class ClipboardTest : public EditTest {
  protected:
    void copy() { Copy_Click(window, app, clipboard); }
    void paste() { paste_Click(window, app, host); }
};

TEST_F(ClipboardTest, PortsAndPointsWithoutTheirBlockAreLeftOut) {
    drop(block("gai", "1", 1, 1), 1000, 1000);  // 1, ports 2 and 3
    add(element("C__", "C"), 3000, 3000);       // 4
    const int cp = point(3, 0, 2000, 1500);     // 5
    select_only({3, cp});
    copy();
    EXPECT_EQ(app.nclipobj, 0);
    paste();
    EXPECT_EQ(window.model.nobj, 5);

    // The point is left out, but its place still counts for the group's corner.
    select_only({4, cp});
    copy();
    ASSERT_EQ(app.nclipobj, 1);
    EXPECT_EQ(app.clipobjs[1].left, 1100);
    EXPECT_EQ(app.clipobjs[1].top, 1600);

    // A chain that loops never reaches a block.
    window.model.objs[3].auxil2 = static_cast<std::int16_t>(cp);
    select_only({3, cp});
    EXPECT_FALSE(cadena_sel(window.model, cp));
}

TEST_F(ClipboardTest, TheGroupLandsAHundredTwipsInsideTheVisibleCorner) {
    add(element("C__", "C"), 1000, 2000);
    add(element("R__", "R"), 1500, 2600);
    select_only({1, 2});
    copy();
    EXPECT_EQ(app.clipobjs[2].left, 600);
    EXPECT_EQ(app.clipobjs[2].top, 700);

    set_hscroll(window, 500);
    paste();
    const int expected[][2] = {{600, 100}, {1100, 700}};
    for (int k = 0; k < 2; ++k) {
        EXPECT_EQ(obj(3 + k).left, expected[k][0]);
        EXPECT_EQ(obj(3 + k).top, expected[k][1]);
    }
}

TEST_F(ClipboardTest, PastedBondedPairsAreSelectedAndIndependent) {
    add(element("C__", "C"), 1000, 1000);
    add(element("000", "0", 4), 2000, 1000);
    add_bond(1, 2, 0, 0, 0, 0, 2);
    select_only({1, 2}, {1});
    copy();
    paste();
    paste();
    ASSERT_EQ(window.model.nlin, 3);
    for (int j = 2; j <= 3; ++j) {
        EXPECT_EQ(bond(j).causa, 2);
        EXPECT_EQ(bond(j).obj1, 2 * j - 1);
        EXPECT_EQ(bond(j).obj2, 2 * j);
        EXPECT_EQ(obj(2 * j - 1).numlin + obj(2 * j).numlin, 2);
    }
    EXPECT_EQ(selection(), (std::vector<int>{5, 6}));
    EXPECT_TRUE(bond_selected(3) && !bond_selected(2));
}

TEST_F(ClipboardTest, APastedChainStaysAttachedToItsPastedPort) {
    const int a = drop(block("gai", "1", 1, 1), 1000, 1000);  // 1, ports 2 and 3
    const int b = drop(block("gai", "1", 1, 1), 4000, 1000);  // 4, ports 5 and 6
    const int cp = point(3, 5, 2500, 1000);                   // 7
    add_bond(3, cp, 0, 0, 0, 0, 4);
    add_bond(cp, 5, 0, 0, 0, 0, 4);
    select_only({a, 2, 3, b, 5, 6, cp}, {1, 2});
    copy();
    paste();
    EXPECT_EQ(obj(14).auxil2, 10);
    EXPECT_EQ(obj(14).index, 12);

    // Without the block of its input port the point is pasted free.
    select_only({a, 2, 3, cp}, {1});
    copy();
    paste();
    EXPECT_EQ(obj(18).auxil2, 17);
    EXPECT_EQ(obj(18).index, 0);
}

TEST_F(ClipboardTest, APasteThatWouldPassTheCapacityOnlySaysSo) {
    const struct {
        int elements, bonds;
        const char* message;
    } rows[] = {
        {998, 0, nullptr}, {999, 0, kTooManyElements}, {2, 999, nullptr}, {2, 1000, kTooManyBonds}};
    for (const auto& row : rows) {
        reset();
        add(element("C__", "C"), 100, 100);
        add(element("000", "0", 4), 900, 100);
        add_bond(1, 2, 0, 0, 0, 0);
        select_only({1, 2}, {1});
        copy();
        while (window.model.nobj < row.elements) add(element("R__", "R"), 2000, 2000);
        while (window.model.nlin < row.bonds) add_bond(1, 2, 0, 0, 0, 0);
        const std::string before = test::dump_state(window, app);
        paste();
        if (row.message == nullptr) {
            EXPECT_EQ(window.model.nobj, row.elements + 2);
        } else {
            EXPECT_EQ(host.messages, std::vector<std::string>{row.message});
            EXPECT_EQ(test::dump_state(window, app), before);
        }
    }
}

TEST_F(ClipboardTest, ThePictureShowsTheCopyAtItsClipboardPlaces) {
    ObjRecord framed = element("C__", "C");
    framed.auxil1 = 1;
    add(framed, 1000, 2000);
    add(element("000", "0", 4), 2000, 2000);
    add(element("R__", "R"), 5000, 5000);  // not copied
    add_bond(1, 2, 0, 0, 0, 0, 1);
    select_only({1, 2}, {1});
    copy();

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
