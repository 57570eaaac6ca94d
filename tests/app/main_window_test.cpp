#include "app/main_window.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "app/app_fakes.h"
#include "app/help_about.h"
#include "model/file_saving.h"
#include "model/model_writer.h"

namespace vantor {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

class MainWindowTest : public testing::Test {
  protected:
    MainWindowTest()
        : dir_(fs::path(testing::TempDir()) /
               ("app_" +
                std::string(testing::UnitTest::GetInstance()->current_test_info()->name()))) {
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "library");
        app_.program_dir = dir_.string() + "/Prog";
        fs::create_directories(app_.program_dir + "/library");
    }
    ~MainWindowTest() override { fs::remove_all(dir_); }

    std::string model_file(const std::string& name) {
        const std::string path = (dir_ / name).string();
        Model m;
        m.nobj = 1;
        m.objs[1].type = "000";
        m.objs[1].caption = "0";
        write_model_file(path, m);
        return path;
    }
    Strings menu() const {
        Strings captions;
        for (const auto& item : main_.window_menu) captions.push_back(item.caption);
        return captions;
    }
    void open(const std::string& path) {
        ports_.files.push_back(path);
        main_.open_Click();
    }

    fs::path dir_;
    AppState app_;
    test::FakePorts ports_;
    test::FakeDesktop desktop_;
    MainWindow main_{app_, ports_, desktop_, ""};
};

TEST_F(MainWindowTest, NewModelsGetUpperCaseDefaultPathsAndReusedNumbers) {
    app_.program_dir = "/opt/Vantor-1.0/bin";  // a new model touches no file
    main_.new_Click();
    main_.new_Click();
    main_.new_Click();
    EXPECT_EQ(main_.model_window(2)->tag, "/OPT/VANTOR-1.0/BIN/MODEL2.BGF");
    EXPECT_EQ(main_.model_window(2)->caption, "MODEL2");
    EXPECT_EQ(main_.model_window(2)->window.winnum, 2);

    EXPECT_TRUE(main_.descargar(2));  // unchanged: nothing is asked
    EXPECT_EQ(menu(), (Strings{"&1 MODEL1", "&2 MODEL3"}));
    main_.new_Click();
    EXPECT_EQ(main_.model_window(2)->caption, "MODEL2");
    EXPECT_EQ(menu(), (Strings{"&1 MODEL1", "&2 MODEL2", "&3 MODEL3"}));
    EXPECT_EQ(desktop_.events, (Strings{"open 1", "open 2", "open 3", "close 2", "open 2"}));
    EXPECT_TRUE(ports_.messages.empty());
}

TEST_F(MainWindowTest, OpeningAFileTwiceIsRefusedButOnlyForTheSameSpelling) {
    const std::string upper = model_file("A.BGF");
    const std::string lower = model_file("a.bgf");
    open(upper);
    open(upper);
    EXPECT_EQ(ports_.messages, Strings{"File has been already opened"});
    EXPECT_EQ(ports_.last_message.kind, MessageKind::kInformation);
    EXPECT_EQ(desktop_.events, (Strings{"open 1", "focus 1"}));  // brought to the front
    EXPECT_FALSE(main_.is_open(2));
    open(lower);
    EXPECT_TRUE(main_.is_open(2));
    EXPECT_EQ(main_.model_window(2)->caption, "a");
    EXPECT_EQ(main_.model_window(1)->window.hasname, kTrue);
    EXPECT_EQ(main_.model_window(1)->window.model.nobj, 1);
    EXPECT_EQ(ports_.dialogs[0].title, "Load Model");
    EXPECT_EQ(ports_.dialogs[0].filter,
              "Bond Graf Files (*.bgf)|*.bgf|Library (*.lib)|*.lib|All Files (*.*)|*.*|");
    EXPECT_EQ(ports_.dialogs[0].folder, app_.program_dir);

    ports_.files.push_back(std::nullopt);  // cancelling the dialog opens nothing
    main_.open_Click();
    EXPECT_FALSE(main_.is_open(3));
}

TEST_F(MainWindowTest, AModelThatCannotBeReadOpensNoWindowAndSaysWhy) {
    const std::string bad = (dir_ / "bad.bgf").string();
    save_file(bad, "add_obj\r\ntop = 99999\r\nend\r\n");
    MainWindow from_command_line(app_, ports_, desktop_, "  " + bad + "  ");
    from_command_line.Form_Activate();
    ASSERT_EQ(ports_.messages.size(), 1u);
    EXPECT_NE(ports_.messages[0].find(bad + ", line 2"), std::string::npos) << ports_.messages[0];
    EXPECT_FALSE(from_command_line.is_open(1));
    EXPECT_TRUE(desktop_.events.empty());
    EXPECT_TRUE(ports_.dialogs.empty());  // the command line needs no dialog
}

// The first label stands at 360, 240; the sixth starts a new column, the
// eleventh a new row.
TEST_F(MainWindowTest, LibraryLabelsStandFiveToARow) {
    const struct {
        int count, left, top;  // the last label's place
    } cases[] = {{1, 360, 240}, {5, 6360, 240}, {11, 360, 2240}};
    for (const auto& c : cases) {
        AppState app;
        app.program_dir = (dir_ / ("libs" + std::to_string(c.count))).string();
        fs::create_directories(app.program_dir + "/library");
        for (int i = c.count; i >= 1; --i) {  // written backwards: listed alphabetically
            save_file(app.program_dir + "/library/lib" + std::string(1, char('a' + i)) + ".lib",
                      "end_sys\r\n");
        }
        MainWindow main(app, ports_, desktop_, "");
        main.Form_Activate();
        ASSERT_EQ(main.labels.size(), static_cast<std::size_t>(c.count));
        EXPECT_EQ(main.labels[0].caption, "libb");
        EXPECT_EQ(main.labels.back().left, c.left) << c.count;
        EXPECT_EQ(main.labels.back().top, c.top) << c.count;
        EXPECT_EQ(main.palette(c.count)->caption, main.labels.back().caption);
    }
    EXPECT_EQ(ports_.busy_depth, 0);
}

TEST_F(MainWindowTest, MoreThanTwentyLibrariesAreCutWithAMessage) {
    for (int i = 0; i < 22; ++i) {
        save_file(app_.program_dir + "/library/l" + std::to_string(100 + i) + ".lib",
                  "end_sys\r\n");
    }
    main_.Form_Activate();
    EXPECT_EQ(main_.labels.size(), 20u);
    ASSERT_EQ(ports_.messages.size(), 1u);
    EXPECT_NE(ports_.messages[0].find("the other 2"), std::string::npos);
    main_.Label1_DblClick(3);
    EXPECT_EQ(main_.palette(3)->left, 900);
    EXPECT_EQ(main_.palette(3)->top, 2600);
    EXPECT_EQ(desktop_.events.back(), "palette 3");
}

TEST_F(MainWindowTest, ExitAsksFirstAndACancelLeavesEveryWindowOpen) {
    main_.new_Click();
    main_.new_Click();
    main_.new_Click();
    main_.model_window(2)->window.saved = kFalse;
    main_.model_window(3)->window.saved = kFalse;
    ports_.answers = {MessageAnswer::kCancel};
    EXPECT_FALSE(main_.exit_Click());
    EXPECT_EQ(ports_.messages, Strings{"file MODEL2 has changed, \rDo you want to save it?"});
    EXPECT_EQ(ports_.last_message.buttons, MessageButtons::kYesNoCancel);
    EXPECT_EQ(ports_.last_message.default_button, MessageAnswer::kCancel);
    EXPECT_EQ(ports_.last_message.kind, MessageKind::kWarning);
    for (int k = 1; k <= 3; ++k) EXPECT_TRUE(main_.is_open(k)) << k;
    EXPECT_EQ(menu(), (Strings{"&1 MODEL1", "&2 MODEL2", "&3 MODEL3"}));

    // No to both questions: each is asked once, then every window closes.
    ports_.messages.clear();
    ports_.answers = {MessageAnswer::kNo, MessageAnswer::kNo};
    EXPECT_TRUE(main_.exit_Click());
    EXPECT_EQ(ports_.messages.size(), 2u);
    for (int k = 1; k <= 3; ++k) EXPECT_FALSE(main_.is_open(k)) << k;
}

TEST_F(MainWindowTest, AWindowsOwnCloseBoxGoesThroughTheRegistry) {
    main_.new_Click();
    main_.window_Click(1);
    EXPECT_TRUE(main_.close_requested(1));
    EXPECT_FALSE(main_.is_open(1));
    EXPECT_EQ(desktop_.events, (Strings{"open 1", "focus 1", "close 1"}));
}

TEST_F(MainWindowTest, HelpAndAboutFromAnyWindow) {
    main_.Form_Activate();
    ayuda(app_, ports_, HelpPage::kContents);
    ayuda(app_, ports_, HelpPage::kHowToUseHelp);
    EXPECT_EQ(ports_.help, (Strings{app_.program_dir + "/bndgph.html contents",
                                    app_.program_dir + "/bndgph.html how-to"}));
    show_about(app_, ports_);  // no About.txt: empty, and none is made
    EXPECT_FALSE(fs::exists(about_file_path(app_.program_dir)));
    save_file(about_file_path(app_.program_dir), "Vantor\r\nline 2\r\n\xE9");
    show_about(app_, ports_);
    EXPECT_EQ(ports_.about, (Strings{"", "Vantor\r\nline 2\r\n\u00E9"}));

    // A FIFO in its place is named in a message, not waited on.
    fs::remove(about_file_path(app_.program_dir));
    ASSERT_EQ(::mkfifo(about_file_path(app_.program_dir).c_str(), 0600), 0);
    show_about(app_, ports_);
    EXPECT_EQ(ports_.about.size(), 2u);
    ASSERT_FALSE(ports_.messages.empty());
    EXPECT_EQ(ports_.messages.back(),
              "The About text cannot be read: " + about_file_path(app_.program_dir) +
                  ": not a regular file");
    EXPECT_EQ(ports_.last_message.kind, MessageKind::kError);
}

}  // namespace
}  // namespace vantor
