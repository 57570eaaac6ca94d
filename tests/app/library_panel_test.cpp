#include "app/library_panel.h"

#include <gtest/gtest.h>

#include "test_scratch.h"

#include "app/app_fakes.h"
#include "model/file_saving.h"

namespace vantor {
namespace {

const std::string kTwoEntries =
    "add_obj\r\ntype = R__\r\ncaption = R\r\nend\r\n"
    "add_obj\r\ntype = C__\r\ncaption =  C \r\nend\r\nend_sys\r\n";

class LibraryPanelTest : public testing::Test {
  protected:
    void SetUp() override {
        app_.program_dir = VANTOR_DATA_DIR;
        save_file(first_, kTwoEntries);
        save_file(second_, "add_obj\r\ntype = sum\r\ncaption = sum\r\nend\r\nend_sys\r\n");
        panel_.list({{"first", first_}, {"second", second_}});
        for (int i = 1; i <= panel_.libraries(); ++i) ASSERT_FALSE(panel_.read(i)) << i;
    }

    std::string first_ = test::scratch_dir() + "first.lib";
    std::string second_ = test::scratch_dir() + "second.lib";
    AppState app_;
    test::FakePorts ports_;
    LibraryPanel panel_;
};

TEST_F(LibraryPanelTest, AClickChoosesAndLetsGoAndTheChoiceGoesWithItsEntry) {
    using Armed = std::optional<ArmedEntry>;
    const struct {
        const char* what;
        std::vector<std::pair<int, int>> clicks;
        Armed armed;
    } cases[] = {
        {"one click", {{1, 2}}, ArmedEntry{1, 2}},
        {"the same entry again", {{1, 2}, {1, 2}}, std::nullopt},
        {"a third time", {{1, 2}, {1, 2}, {1, 2}}, ArmedEntry{1, 2}},
        {"another library's entry", {{1, 2}, {2, 1}}, ArmedEntry{2, 1}},
        {"past the entries", {{1, 3}}, std::nullopt},
        {"past the entries keeps the choice", {{1, 1}, {1, 3}}, ArmedEntry{1, 1}},
        {"no such library", {{3, 1}}, std::nullopt},
    };
    for (const auto& c : cases) {
        panel_.disarm();
        for (const auto& [library, entry] : c.clicks) panel_.click(library, entry);
        EXPECT_EQ(panel_.armed(), c.armed) << c.what;
    }
    panel_.click(1, 2);
    EXPECT_EQ(panel_.prompt(), "click in a model window to place C");
    panel_.disarm();
    EXPECT_EQ(panel_.prompt(), "");
    EXPECT_EQ(panel_.drop_name(2), "second");

    // A choice goes with its entry or its library.
    panel_.click(1, 2);
    save_file(first_, "add_obj\r\ntype = R__\r\ncaption = R\r\nend\r\nend_sys\r\n");
    ASSERT_FALSE(panel_.read(1));
    EXPECT_FALSE(panel_.armed());

    panel_.click(2, 1);
    panel_.list({{"first", first_}});
    EXPECT_FALSE(panel_.armed());
    EXPECT_EQ(panel_.libraries(), 1);
}

TEST_F(LibraryPanelTest, AnUnreadableLibrarySaysWhyAndKeepsItsEntries) {
    save_file(first_, "add_obj\r\ntop = 40000\r\nend\r\n");
    const std::optional<std::string> error = panel_.read(1);
    ASSERT_TRUE(error);
    EXPECT_NE(error->find(first_ + ", line 2"), std::string::npos) << *error;
    EXPECT_EQ(panel_.entries(app_, 1).size(), 2u);
    EXPECT_TRUE(ports_.messages.empty());
}

// The capture is the palette window's: activation, then the drag over the
// entry, so a capture left hanging does not keep the next one out.
TEST_F(LibraryPanelTest, ACaptureActivatesThePaletteFirst) {
    app_.selready = kFalse;
    ASSERT_TRUE(panel_.capture(app_, ports_, 1, 2));
    EXPECT_EQ(app_.dragobj.type, "C__");
    EXPECT_EQ(app_.dragobj.caption.trimmed(), "C");
    EXPECT_EQ(app_.selready, kFalse);
    panel_.dropped_back(app_, 1);
    EXPECT_EQ(app_.selready, kTrue);

    EXPECT_FALSE(panel_.capture(app_, ports_, 1, 3));
    EXPECT_EQ(app_.dragobj.type, "C__");
    EXPECT_FALSE(panel_.capture(app_, ports_, 3, 1));
}

}  // namespace
}  // namespace vantor
