#include "app/palette.h"

#include <gtest/gtest.h>

#include "test_scratch.h"

#include "app/app_fakes.h"
#include "model/file_error.h"
#include "model/file_reading.h"
#include "model/file_saving.h"

namespace vantor {
namespace {

const std::string kBlock =
    "add_obj\r\ntype = sum\r\ncaption =  sum \r\ntop = 240\r\nleft = 600\r\nmaxsigninp = 2\r\n"
    "auxil1 = 1\r\nend\r\n"
    "add_obj\r\ntype = con\r\ncaption = >\r\nauxil2 = 1\r\nend\r\n";

class PaletteTest : public testing::Test {
  protected:
    std::string file_ = test::scratch_dir() + "palette_test.lib";
    AppState app_;
    test::FakePorts ports_;
    Palette palette_{file_, "palette_test"};
};

TEST_F(PaletteTest, RereadsTheLibraryAtEveryActivationAndKeepsItsGlyphsWhenBroken) {
    save_file(file_, kBlock + " 0 \r\nend_sys\r\n");
    palette_.Form_GotFocus(app_, ports_);
    ASSERT_EQ(palette_.entries(), 2);
    EXPECT_EQ(palette_.image1[1].caption, "sum");
    EXPECT_EQ(palette_.image1[1].left, 600);
    EXPECT_EQ(palette_.image1[1].border, 1);
    EXPECT_TRUE(palette_.image1[2].visible);
    EXPECT_FALSE(palette_.image1[3].visible);

    save_file(file_, "add_obj\r\ntype = R__\r\ncaption = R\r\nend\r\nend_sys\r\n");
    palette_.Form_GotFocus(app_, ports_);
    EXPECT_EQ(palette_.entries(), 1);
    EXPECT_EQ(palette_.image1[1].caption, "R");
    EXPECT_TRUE(palette_.image1[2].visible);  // glyphs above the entries keep what they showed

    // A broken library is reported once, and the glyphs stay.
    save_file(file_, "add_obj\r\ntop = 40000\r\nend\r\n");
    palette_.Form_GotFocus(app_, ports_);
    palette_.Form_GotFocus(app_, ports_);
    ASSERT_EQ(ports_.messages.size(), 1u);
    EXPECT_NE(ports_.messages[0].find(file_ + ", line 2"), std::string::npos);
    EXPECT_EQ(palette_.entries(), 1);
    std::string many;
    for (int i = 0; i < 101; ++i) many += "add_obj\r\nend\r\n";
    save_file(file_, many);
    EXPECT_THROW(read_library(file_), FileError);
}

TEST_F(PaletteTest, DraggingAPortHandsOverItsBlock) {
    save_file(file_, kBlock);
    palette_.Form_GotFocus(app_, ports_);
    EXPECT_EQ(app_.selready, kTrue);
    palette_.image1_DragOver(app_, 2);
    EXPECT_EQ(app_.dragobj.type, "sum");
    EXPECT_EQ(app_.dragobj.caption.trimmed(), "sum");
    EXPECT_EQ(app_.dragobj.maxsigninp, 2);
    EXPECT_EQ(app_.selready, kFalse);

    // Until the palette is activated or something is dropped, nothing more is captured.
    app_.dragobj = ObjRecord{};
    palette_.image1_DragOver(app_, 1);
    EXPECT_EQ(app_.dragobj.type, std::string(3, '\0'));
    palette_.Form_DragDrop(app_);
    palette_.image1_DragOver(app_, 1);
    EXPECT_EQ(app_.dragobj.type, "sum");
}

TEST_F(PaletteTest, ReadsValuesOneCharacterAfterTheEqualsSignLfOrCrLf) {
    save_file(file_,
              "add_obj\r\ntype=R__\r\ncaption=Rx\r\nparameters = a\x8D"
              "b\r\nleft=1234\r\nend\r\n");
    const auto entries = read_library(file_);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].type, "__ ");
    EXPECT_EQ(entries[0].caption.trimmed(), "x");
    EXPECT_EQ(entries[0].parameters.trimmed(), "a\rb");
    EXPECT_EQ(entries[0].left, 234);

    // LF line ends read alike; over a megabyte is refused.
    save_file(file_, "add_obj\ntype= C__\ncaption= C\nend\nadd_obj\ntype= R__\nend\nend_sys\n");
    const auto lf = read_library(file_);
    ASSERT_EQ(lf.size(), 2u);
    EXPECT_EQ(lf[1].type, "R__");

    save_file(file_, kBlock + "%" + std::string(kSupportFileLimit, 'x') + "\r\n");
    EXPECT_THROW(read_library(file_), FileError);
}

TEST_F(PaletteTest, LibrariesCutAnywhereLoadWhatTheyHold) {
    const std::string whole = kBlock + " 1 \r\nadd_line\r\ncausa = 1\r\nend\r\nend_sys\r\n";
    for (std::size_t n = 0; n <= whole.size(); ++n) {
        const std::string text = whole.substr(0, n);
        save_file(file_, text);
        const auto entries = read_library(file_);
        // An entry counts from its "add_obj" line on.
        std::size_t blocks = 0;
        for (auto at = text.find("add_obj"); at != std::string::npos;
             at = text.find("add_obj", at + 1)) {
            ++blocks;
        }
        ASSERT_EQ(entries.size(), blocks) << n;
    }
    EXPECT_EQ(read_library(file_).size(), 2u);  // the bond block is skipped
}

}  // namespace
}  // namespace vantor
