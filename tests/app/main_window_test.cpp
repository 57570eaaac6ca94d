// The main window and its model windows over fake dialogs and desktop.
#include "app/main_window.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "app/app_fakes.h"
#include "app/help_about.h"
#include "app/model_document.h"
#include "model/file_reading.h"
#include "model/file_saving.h"
#include "model/model_reader.h"
#include "model/model_writer.h"
#include "test_scratch.h"

namespace vantor {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

// A main window over fakes, its program folder a scratch folder of the test's own.
class MainWindowTest : public testing::Test {
  protected:
    MainWindowTest() {
        app_.program_dir = dir_.string();
        fs::create_directories(dir_ / "library");
    }
    ~MainWindowTest() override {
        fs::permissions(dir_, fs::perms::owner_all);
        fs::remove_all(dir_);
    }
    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    // A model of one junction.
    std::string model_file(const std::string& name) {
        save_file(path(name), "add_obj\r\ntype = 000\r\ncaption = 0\r\nend\r\n 0 \r\nend_sys\r\n");
        return path(name);
    }
    Strings menu() const {
        Strings captions;
        for (const auto& item : main_.window_menu) captions.push_back(item.caption);
        return captions;
    }
    void open(const std::string& file) {
        ports_.files.push_back(file);
        main_.open_Click();
    }

    fs::path dir_ = fs::path(test::scratch_dir()).parent_path();
    AppState app_;
    test::FakePorts ports_;
    test::FakeDesktop desktop_;
    MainWindow main_{app_, ports_, desktop_, ""};
};
class Document : public MainWindowTest {};

TEST_F(MainWindowTest, NewModelsGetUpperCaseDefaultPathsAndReusedNumbers) {
    app_.program_dir = "/opt/Vantor-1.0/bin";  // a new model touches no file
    for (int k = 1; k <= 3; ++k) main_.new_Click();
    EXPECT_EQ(main_.model_window(2)->tag, "/OPT/VANTOR-1.0/BIN/MODEL2.BGF");
    EXPECT_EQ(main_.model_window(2)->caption, "MODEL2");
    EXPECT_EQ(main_.model_window(2)->window.winnum, 2);

    EXPECT_TRUE(main_.descargar(2));  // unchanged: nothing is asked
    EXPECT_EQ(menu(), (Strings{"&1 MODEL1", "&2 MODEL3"}));
    main_.new_Click();
    EXPECT_EQ(main_.model_window(2)->caption, "MODEL2");
    EXPECT_EQ(menu(), (Strings{"&1 MODEL1", "&2 MODEL2", "&3 MODEL3"}));
    // A window's own close box goes through the registry.
    main_.window_Click(1);
    EXPECT_TRUE(main_.close_requested(1));
    EXPECT_EQ(desktop_.events,
              (Strings{"open 1", "open 2", "open 3", "close 2", "open 2", "focus 1", "close 1"}));
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
    const std::string bad = path("bad.bgf");
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
// eleventh a new row; past twenty the rest are left out, with a message.
TEST_F(MainWindowTest, LibraryLabelsStandFiveToARowUpToTwenty) {
    const struct {
        int count, labels, left, top;  // the last label's place
    } cases[] = {{1, 1, 360, 240}, {5, 5, 6360, 240}, {11, 11, 360, 2240}, {22, 20, 6360, 3240}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        AppState app;
        app.program_dir = (dir_ / ("libs" + std::to_string(c.count))).string();
        fs::create_directories(app.program_dir + "/library");
        for (int i = c.count; i >= 1; --i) {  // written backwards: listed alphabetically
            save_file(app.program_dir + "/library/lib" + std::string(1, char('a' + i)) + ".lib",
                      "end_sys\r\n");
        }
        test::FakePorts ports;
        MainWindow main(app, ports, desktop_, "");
        main.Form_Activate();
        ASSERT_EQ(main.labels.size(), static_cast<std::size_t>(c.labels));
        EXPECT_EQ(main.labels[0].caption, "libb");
        EXPECT_EQ(main.labels.back().left, c.left);
        EXPECT_EQ(main.labels.back().top, c.top);
        EXPECT_EQ(main.palette(c.labels)->caption, main.labels.back().caption);
        const std::string cut = "Only 20 libraries can be listed: the other 2 in " +
                                app.program_dir + "/library are left out.";
        EXPECT_EQ(ports.messages, c.count > 20 ? Strings{cut} : Strings{});
        EXPECT_EQ(ports.busy_depth, 0);
        if (c.labels < 3) continue;
        main.Label1_DblClick(3);
        EXPECT_EQ(main.palette(3)->left, 900);
        EXPECT_EQ(main.palette(3)->top, 2600);
        EXPECT_EQ(desktop_.events.back(), "palette 3");
    }
}

TEST_F(MainWindowTest, ExitAsksFirstAndACancelLeavesEveryWindowOpen) {
    for (int k = 1; k <= 3; ++k) main_.new_Click();
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

TEST_F(Document, ANewModelIsSavedAsProposingItsDefaultPath) {
    main_.new_Click();
    ModelDocument& doc = *main_.model_window(1);
    EXPECT_EQ(doc.window.saved, kTrue);
    ports_.files.push_back(std::nullopt);
    EXPECT_FALSE(doc.save_Click());  // cancelled: nothing changes
    ASSERT_EQ(ports_.dialogs.size(), 1u);
    EXPECT_EQ(ports_.dialogs[0].title, "Save Model As");
    // The caption in lower case as the file's name, in the folder the
    // program was started in.
    EXPECT_EQ(ports_.dialogs[0].proposed_name, "model1.bgf");
    EXPECT_EQ(ports_.dialogs[0].folder, fs::current_path().string());
    EXPECT_TRUE(ports_.dialogs[0].confirm_overwrite);
    EXPECT_EQ(doc.window.hasname, kFalse);

    ports_.files.push_back("  " + path("Circuit.bgf") + " ");
    EXPECT_TRUE(doc.save_Click());
    EXPECT_EQ(doc.tag, path("Circuit.bgf"));
    EXPECT_EQ(doc.caption, "Circuit");
    EXPECT_EQ(read_whole_file(path("Circuit.bgf")), " 0 \r\nend_sys\r\n");

    // The second Save writes to the new path without a dialog.
    doc.window.model.nobj = 1;
    EXPECT_TRUE(doc.save_Click());
    EXPECT_EQ(ports_.dialogs.size(), 2u);
    EXPECT_EQ(read_model_file(path("Circuit.bgf")).nobj, 1);
    // From now on the dialogs start by the model's file, and propose it.
    ports_.files.push_back(std::nullopt);
    EXPECT_FALSE(doc.saveas_Click());
    EXPECT_EQ(ports_.dialogs.back().folder, dir_.string());
    EXPECT_EQ(ports_.dialogs.back().proposed_name, path("Circuit.bgf"));
    EXPECT_EQ(main_.window_menu[0].caption, "&1 MODEL1");  // rebuilt at the next ventana
    main_.ventana();
    EXPECT_EQ(main_.window_menu[0].caption, "&1 Circuit");
}

// A save that fails says why, names the file, keeps what was there and
// leaves the model changed under its old name.
TEST_F(Document, AFailedSaveIsReportedAndLeavesTheModelChanged) {
    const std::string locked = path("locked.bgf");
    save_file(locked, "kept");
    fs::permissions(locked, fs::perms::owner_read);
    main_.new_Click();
    ModelDocument& doc = *main_.model_window(1);
    doc.window.saved = kFalse;
    const std::pair<std::string, std::string> cases[] = {
        {path("no/such/folder/m.bgf"), path("no/such/folder/m.bgf")},
        {locked, locked + ": cannot write: the file is read-only"},
    };
    for (const auto& [target, says] : cases) {
        ports_.files.push_back(target);
        EXPECT_FALSE(doc.save_Click());
        EXPECT_NE(ports_.messages.back().find(says), std::string::npos) << ports_.messages.back();
        EXPECT_EQ(ports_.last_message.kind, MessageKind::kError);
        EXPECT_EQ(doc.window.saved, kFalse);
        EXPECT_EQ(doc.caption, "MODEL1");
    }
    EXPECT_EQ(ports_.messages.size(), 2u);
    EXPECT_EQ(read_whole_file(locked), "kept");
}

// A file that a text tool converted, and a picture opened by mistake, open
// with one warning each; a model that Vantor wrote opens silently. Their
// dialogs start in their folder.
TEST_F(Document, OddFilesOpenWithOneWarningAndModelsSilently) {
    fs::create_directories(dir_ / "models");
    const std::string converted = path("models/converted.bgf");
    save_file(converted, "add_obj\ntype = 000\ncaption = 0\nend\nend_sys\n");
    const std::string picture = path("models/picture.bgf");
    save_file(picture, std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    const std::string empty_model = path("models/empty.bgf");
    write_model_file(empty_model, Model{});

    ports_.files = {converted, picture, empty_model};
    main_.open_Click();
    ASSERT_EQ(ports_.messages.size(), 1u);
    EXPECT_EQ(ports_.messages[0], converted +
                                      " has LF line ends, as a text tool converted it. It reads "
                                      "as a model, and it will be saved with CR LF line ends.");
    EXPECT_EQ(ports_.last_message.kind, MessageKind::kInformation);
    EXPECT_EQ(main_.model_window(1)->window.model.nobj, 1);
    EXPECT_EQ(main_.model_window(1)->window.saved, kTrue);
    EXPECT_EQ(main_.model_window(1)->dialog_folder, (dir_ / "models").string());

    main_.open_Click();
    ASSERT_EQ(ports_.messages.size(), 2u);
    EXPECT_EQ(ports_.messages[1], picture +
                                      " holds no model. Saving this window will replace the file "
                                      "with an empty model.");
    EXPECT_EQ(ports_.last_message.kind, MessageKind::kWarning);
    main_.open_Click();
    EXPECT_EQ(ports_.messages.size(), 2u);
    EXPECT_TRUE(main_.is_open(3));
}

TEST_F(Document, TheClosingQuestionAnswersYesAndCancel) {
    main_.new_Click();
    ModelDocument& doc = *main_.model_window(1);
    doc.window.saved = kFalse;

    ports_.answers = {MessageAnswer::kCancel};
    EXPECT_FALSE(main_.descargar(1));
    EXPECT_TRUE(main_.is_open(1));
    EXPECT_EQ(app_.closecancel, kTrue);

    // Yes, then a cancelled Save As: the question comes again.
    ports_.answers = {MessageAnswer::kYes, MessageAnswer::kYes};
    ports_.files = {std::nullopt, path("kept.bgf")};
    EXPECT_TRUE(main_.descargar(1));
    EXPECT_EQ(ports_.messages.size(), 3u);
    EXPECT_TRUE(fs::exists(path("kept.bgf")));
    EXPECT_FALSE(main_.is_open(1));
}

TEST_F(Document, TheRunMenuShowsItsMessagesInMessageBoxes) {
    fs::copy(VANTOR_DATA_DIR "/library", dir_ / "library");
    open(VANTOR_EXAMPLES_DIR "/two_capacitors.bgf");
    ModelDocument& doc = *main_.model_window(1);
    doc.dirty = false;
    doc.assign_Click();
    EXPECT_EQ(ports_.messages, Strings{"There is at least an element with derivative causality"});
    EXPECT_EQ(ports_.last_message.kind, MessageKind::kWarning);
    EXPECT_TRUE(doc.dirty);
    EXPECT_EQ(doc.window.saved, kFalse);  // the strokes are a change to save

    doc.Undo_Click();
    doc.window.model.lines[1].causa = 2;  // the source pushed the wrong way
    doc.assign_Click();
    EXPECT_EQ(ports_.messages.back(), "Causality error in the selected element");
    EXPECT_EQ(ports_.last_message.kind, MessageKind::kError);
    EXPECT_EQ(doc.window.image1[1].color, 255);

    doc.simulink_Click(1);
    EXPECT_EQ(doc.window.menus.simulink_version, 1);
    doc.simulink_Click(7);
    EXPECT_EQ(doc.window.menus.simulink_version, 1);
}

}  // namespace
}  // namespace vantor
