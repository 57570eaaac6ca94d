#include "app/model_document.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/app_fakes.h"
#include "app/main_window.h"
#include "model/file_reading.h"
#include "model/file_saving.h"
#include "model/model_reader.h"
#include "model/model_writer.h"

namespace vantor {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

class Document : public testing::Test {
  protected:
    Document()
        : dir_(fs::path(testing::TempDir()) /
               ("doc_" +
                std::string(testing::UnitTest::GetInstance()->current_test_info()->name()))) {
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        app_.program_dir = dir_.string();
    }
    ~Document() override {
        fs::permissions(dir_, fs::perms::owner_all);
        fs::remove_all(dir_);
    }
    std::string path(const char* name) const { return (dir_ / name).string(); }

    fs::path dir_;
    AppState app_;
    test::FakePorts ports_;
    test::FakeDesktop desktop_;
    MainWindow main_{app_, ports_, desktop_, ""};
};

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

TEST_F(Document, AnOpenedModelsDialogsStartInItsFolder) {
    fs::create_directories(dir_ / "models");
    save_file(path("models/m.bgf"), " 0 \r\nend_sys\r\n");
    app_.openpath = path("models/m.bgf");
    ModelDocument doc(app_, ports_);
    EXPECT_EQ(doc.dialog_folder, (dir_ / "models").string());
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
// with one warning each; a model that Vantor wrote opens silently.
TEST_F(Document, OddFilesOpenWithOneWarningAndModelsSilently) {
    const std::string converted = path("converted.bgf");
    save_file(converted, "add_obj\ntype = 000\ncaption = 0\nend\nend_sys\n");
    const std::string picture = path("picture.bgf");
    save_file(picture, std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    const std::string empty_model = path("empty.bgf");
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

TEST_F(Document, TheClosingQuestionAnswersYesNoAndCancel) {
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

    main_.new_Click();
    main_.model_window(1)->window.saved = kFalse;
    ports_.answers = {MessageAnswer::kNo};
    EXPECT_TRUE(main_.descargar(1));
    EXPECT_EQ(ports_.messages.size(), 4u);
}

TEST_F(Document, AnOpenedUnchangedModelClosesSilentlyAndSavesInPlace) {
    const std::string file = path("m.bgf");
    Model m;
    m.nobj = 1;
    m.objs[1].type = "111";
    m.objs[1].caption = "1";
    write_model_file(file, m);
    ports_.files.push_back(file);
    main_.open_Click();
    ModelDocument& doc = *main_.model_window(1);
    EXPECT_EQ(doc.window.saved, kTrue);

    doc.window.model.objs[1].top = 700;
    EXPECT_TRUE(doc.save_Click());
    EXPECT_EQ(ports_.dialogs.size(), 1u);  // only the open dialog
    EXPECT_EQ(read_model_file(file).objs[1].top, 700);
    EXPECT_TRUE(main_.descargar(1));
    EXPECT_TRUE(ports_.messages.empty());
}

TEST_F(Document, TheRunMenuShowsItsMessagesInMessageBoxes) {
    fs::copy(VANTOR_DATA_DIR "/library", dir_ / "library");
    ports_.files.push_back(VANTOR_EXAMPLES_DIR "/two_capacitors.bgf");
    main_.open_Click();
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
