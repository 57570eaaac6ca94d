// Editing captions in the box laid over a text note.
#include "editor/caption_edit.h"

#include <gtest/gtest.h>

#include "display/glyph_metrics.h"
#include "editor_fixtures.h"
#include "window/selection.h"

namespace vantor {
namespace {

using test::EditorTest;
using test::element;

class CaptionEditTest : public EditorTest {
  protected:
    void reset() override {
        EditorTest::reset();
        note = add(element("Tex", "first\r\nsecond", 0), 1000, 1000);
        other = add(element("Tex", "other", 0), 3000, 1000);
        c = add(element("C__", "C", 1), 5000, 1000);
    }

    void type(const std::string& text) {
        window.Text1.text = text;
        text1_Change(window);
    }

    int note = 0, other = 0, c = 0;
};

TEST_F(CaptionEditTest, OpeningLaysTheBoxOverTheNoteWithItsLines) {
    open_caption_box(window, note);
    const TextBox& box = window.Text1;
    EXPECT_TRUE(box.visible);
    EXPECT_TRUE(box.focused);
    EXPECT_EQ(box.text, "first\r\nsecond");
    EXPECT_EQ(box.left, glyph(note).left);
    EXPECT_EQ(box.top, glyph(note).top);
    EXPECT_EQ(box.width, 6 * kGlyphCharWidth);
    EXPECT_EQ(box.height, 2 * kGlyphLineHeight);
}

TEST_F(CaptionEditTest, TypingChangesEverySelectedElementAndTheyTakeTheBoxsSizeAndFont) {
    select_element(window, app, note);
    select_element(window, app, c);
    habilita(window);
    TextBox& box = window.Text1;
    box.visible = true;
    box.width = 2000;
    box.height = 700;
    box.font_name = "Arial";
    box.font_size = 12;
    box.bold = false;
    glyph(c).visible = false;
    type("typed\r\ntext");

    EXPECT_FALSE(window.menus.ddelete);
    EXPECT_TRUE(window.menus.copy);
    for (int i : {note, c}) {
        SCOPED_TRACE(i);
        EXPECT_EQ(obj(i).caption.trimmed(), "typed\r\ntext");
        EXPECT_EQ(glyph(i).caption, "typed\r\ntext");
        EXPECT_TRUE(glyph(i).visible);
        EXPECT_EQ(glyph(i).width, 2000);
        EXPECT_EQ(glyph(i).height, 700);
        EXPECT_EQ(glyph(i).font_name, "Arial");
        EXPECT_EQ(glyph(i).font_size, 12);
        EXPECT_FALSE(glyph(i).bold);
    }
    EXPECT_EQ(obj(other).caption.trimmed(), "other");

    // Closing redraws: each glyph is sized to its text again, and the
    // selection stays.
    Text1_LostFocus(window, app);
    EXPECT_TRUE(window.menus.ddelete);
    EXPECT_FALSE(box.visible);
    EXPECT_EQ(glyph(note).width, 5 * kGlyphCharWidth);
    EXPECT_EQ(glyph(c).height, 2 * kGlyphLineHeight);
    EXPECT_TRUE(selection() == (std::vector<int>{note, c}));
}

// The box is hidden here: typing into it works all the same.
TEST_F(CaptionEditTest, TheRecordKeepsAHundredCharactersAndTheGlyphShowsAll) {
    select_element(window, app, note);
    const std::string typed(120, 'x');
    type(typed);
    EXPECT_EQ(obj(note).caption.trimmed(), std::string(100, 'x'));
    EXPECT_EQ(glyph(note).caption, typed);
    Text1_LostFocus(window, app);
    EXPECT_EQ(glyph(note).caption, std::string(100, 'x'));
    EXPECT_TRUE(window.menus.ddelete);
}

}  // namespace
}  // namespace vantor
