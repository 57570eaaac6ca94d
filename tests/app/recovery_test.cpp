#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "app/app_fakes.h"
#include "app/main_window.h"
#include "app/recovery_keeper.h"
#include "model/file_reading.h"
#include "model/model_reader.h"
#include "model/model_writer.h"
#include "test_scratch.h"

namespace vantor {
namespace {

namespace fs = std::filesystem;

constexpr long kDeadPid = 5000001;  // above any pid the system hands out (2^22)
constexpr long kOtherLivePid = 5000002;

bool fake_alive(long pid) {
    return pid == kOtherLivePid;
}

// The note read back as written; the interval taken only as positive whole
// seconds; a process told running or gone.
TEST(RecoveryParts, NoteIntervalAndProcess) {
    const RecoveryOrigin cases[] = {
        {"RLC", "/home/ann/models/rlc.bgf", true},
        {"MODEL1", "/opt/VANTOR/MODEL1.BGF", false},
        {"odd", "/tmp/a\\b\nc\rd=e.bgf", true},  // escapes survive
        {"", "", false},
    };
    for (const RecoveryOrigin& origin : cases) {
        const auto back = parse_recovery_note(format_recovery_note(origin));
        ASSERT_TRUE(back) << origin.path;
        EXPECT_EQ(back->caption, origin.caption);
        EXPECT_EQ(back->path, origin.path);
        EXPECT_EQ(back->named, origin.named);
    }
    EXPECT_FALSE(parse_recovery_note(""));
    EXPECT_FALSE(parse_recovery_note("caption=x\npath=y\n"));  // not a note of ours

    const std::pair<const char*, int> intervals[] = {
        {nullptr, 120}, {"1", 1},  {"30", 30},  {"0", 120},
        {"-5", 120},    {"", 120}, {"2s", 120}, {" 3", 120},
    };
    for (const auto& [value, seconds] : intervals) {
        EXPECT_EQ(recovery_interval_seconds(value), seconds) << (value ? value : "(unset)");
    }

    EXPECT_TRUE(process_alive(::getpid()));
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ASSERT_GT(child, 0);
    ::waitpid(child, nullptr, 0);
    EXPECT_FALSE(process_alive(child));
    EXPECT_FALSE(process_alive(0));
}

class RecoveryTest : public testing::Test {
  protected:
    // One run of the editor as process `pid`: as in the shell, windows tell
    // the keeper as they open and close.
    struct Run : test::FakeDesktop {
        Run(RecoveryTest& test, long pid)
            : keeper(RecoveryFolder(test.folder_, pid)), main(test.app_, test.ports_, *this, "") {}
        void model_window_opened(int k) override { keeper.opened(k); }
        void model_window_closed(int k) override { keeper.closed(k); }
        RecoveryKeeper keeper;
        MainWindow main;
    };

    // A dialog that answers from a script and keeps what it was offered.
    struct Dialog : RecoveryDialogPort {
        std::vector<RecoveryChoice> choose(const std::vector<RecoveryCopy>& copies) override {
            offered = copies;
            return answers;
        }
        std::vector<RecoveryChoice> answers;
        std::vector<RecoveryCopy> offered;
    };

    RecoveryTest() {
        app_.program_dir = dir_ + "prog";
        fs::create_directories(app_.program_dir);
        fs::create_directories(dir_ + "user");
        fs::copy_file(VANTOR_EXAMPLES_DIR "/series_rlc.bgf", user_file_,
                      fs::copy_options::overwrite_existing);
    }
    ~RecoveryTest() override { fs::remove_all(dir_); }

    // Opens the user's model and changes it as an edit would.
    ModelDocument& open_and_change(MainWindow& main, int k, const std::string& file) {
        ports_.files.push_back(file);
        main.open_Click();
        ModelDocument& document = *main.model_window(k);
        document.window.model.objs[1].left += 100;
        document.window.saved = kFalse;
        return document;
    }

    std::vector<fs::path> files_in(const std::string& folder) const {
        std::vector<fs::path> names;
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(folder, error)) {
            names.push_back(entry.path().filename());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    std::string dir_ = test::scratch_dir();
    std::string folder_ = dir_ + "data/recovery";
    std::string user_file_ = dir_ + "user/rlc.bgf";
    AppState app_;
    test::FakePorts ports_;
};

TEST_F(RecoveryTest, CopyIsWrittenOnTheTickFoundNextStartAndGoesOnCleanClose) {
    const std::string user_bytes = read_whole_file(user_file_);
    const auto user_time = fs::last_write_time(user_file_);
    {
        // The first run, which "crashes": its keeper never sees a close.
        Run run(*this, kDeadPid);
        RecoveryKeeper& keeper = run.keeper;
        ModelDocument& document = open_and_change(run.main, 1, user_file_);
        ASSERT_TRUE(keeper.tick(1, document));
        EXPECT_TRUE(keeper.has_copy(1));
        // The copy is an ordinary model file holding the unsaved model.
        const fs::path copy = keeper.folder().model_file(1);
        EXPECT_EQ(copy.parent_path(), fs::path(folder_));
        EXPECT_EQ(format_model(read_model_file(copy.string())),
                  format_model(document.window.model));
    }
    // The user's file is neither written nor joined by files of ours.
    EXPECT_EQ(read_whole_file(user_file_), user_bytes);
    EXPECT_EQ(fs::last_write_time(user_file_), user_time);
    EXPECT_EQ(files_in(dir_ + "user"), std::vector<fs::path>{"rlc.bgf"});

    // The next run finds it and opens it as the unsaved model of the user's file.
    Run run(*this, ::getpid());
    Dialog dialog;
    dialog.answers = {RecoveryChoice::kOpen};
    offer_recovery(run.keeper, run.main, dialog);
    ASSERT_EQ(dialog.offered.size(), 1u);
    EXPECT_GT(dialog.offered[0].written, 0);
    const ModelDocument& recovered = *run.main.model_window(1);
    EXPECT_EQ(recovered.caption, "rlc");
    EXPECT_EQ(recovered.tag, user_file_);
    EXPECT_EQ(recovered.window.saved, kFalse);
    EXPECT_EQ(recovered.window.hasname, kFalse);  // Save asks, proposing the file
    EXPECT_EQ(recovered.window.model.objs[1].left, read_model_file(user_file_).objs[1].left + 100);
    // Taken over by this run: offered to no other, and gone on a clean close.
    EXPECT_TRUE(run.keeper.has_copy(1));
    EXPECT_TRUE(run.keeper.folder().left_behind().empty());
    ports_.answers = {MessageAnswer::kNo};  // the closing question: discard
    ASSERT_TRUE(run.main.descargar(1));
    EXPECT_TRUE(files_in(folder_).empty());
    EXPECT_EQ(read_whole_file(user_file_), user_bytes);
}

TEST_F(RecoveryTest, CopiesFollowTheSavedStateAndTheStepCount) {
    Run run(*this, ::getpid());
    RecoveryKeeper& keeper = run.keeper;
    ports_.files.push_back(user_file_);
    run.main.open_Click();
    ModelDocument& document = *run.main.model_window(1);

    // Nothing to keep while the model is saved.
    EXPECT_TRUE(keeper.tick(1, document));
    EXPECT_FALSE(keeper.has_copy(1));

    // A hundred steps write a copy without waiting for the timer; fewer do not.
    ModelWindow& window = document.window;
    for (int step = 1; step <= 100; ++step) {
        window.model.objs[1].left += 10;
        window.saved = kFalse;
        document.history.after_command(window, "Move");
        keeper.changed(1, document);
        EXPECT_EQ(keeper.has_copy(1), step == 100) << step;
    }
    // Saving makes the copy useless: it goes at once.
    ASSERT_TRUE(document.save_Click());
    keeper.changed(1, document);
    EXPECT_FALSE(keeper.has_copy(1));
    EXPECT_TRUE(files_in(folder_).empty());

    // A Cancel at the closing question is no clean close: the copy stays.
    window.saved = kFalse;
    keeper.tick(1, document);
    ports_.answers = {MessageAnswer::kCancel};
    EXPECT_FALSE(run.main.descargar(1));
    EXPECT_TRUE(keeper.has_copy(1));
    // Exit with the changes discarded removes it.
    ports_.answers = {MessageAnswer::kNo};
    EXPECT_TRUE(run.main.exit_Click());
    EXPECT_TRUE(files_in(folder_).empty());
}

TEST_F(RecoveryTest, OnlyCopiesOfProcessesThatAreGoneAreOffered) {
    Model model = read_model_file(user_file_);
    const RecoveryOrigin origin{"rlc", user_file_, true};
    RecoveryFolder(folder_, kDeadPid).write(1, model, origin);
    RecoveryFolder(folder_, kDeadPid).write(2, model, {"MODEL2", "/p/MODEL2.BGF", false});
    RecoveryFolder(folder_, kOtherLivePid).write(1, model, origin);  // another running editor
    RecoveryFolder(folder_, 77).write(1, model, origin);             // this one
    // Files that are no copies of ours are left alone.
    std::ofstream(folder_ + "/notes.txt") << "x";
    std::ofstream(folder_ + "/vantor-x-1.bgf") << "x";

    const RecoveryFolder mine(folder_, 77);
    const std::vector<RecoveryCopy> copies = mine.left_behind(fake_alive);
    ASSERT_EQ(copies.size(), 2u);
    for (const RecoveryCopy& copy : copies) EXPECT_EQ(copy.pid, kDeadPid);

    // Discard and Later, chosen in the dialog.
    Run run(*this, 77);
    struct : RecoveryDialogPort {
        std::vector<RecoveryChoice> choose(const std::vector<RecoveryCopy>& offered) override {
            std::vector<RecoveryChoice> choices;
            for (const RecoveryCopy& copy : offered) {
                // Copies of live processes never reach the dialog.
                EXPECT_NE(copy.pid, kOtherLivePid);
                choices.push_back(copy.serial == 1 ? RecoveryChoice::kDiscard
                                                   : RecoveryChoice::kLater);
            }
            return choices;
        }
    } dialog;
    offer_recovery(run.keeper, run.main, dialog, fake_alive);
    EXPECT_EQ(run.main.model_window(1), nullptr);
    const auto left = mine.left_behind(fake_alive);
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].serial, 2);
    EXPECT_EQ(left[0].origin.caption, "MODEL2");
    EXPECT_TRUE(fs::exists(RecoveryFolder(folder_, kOtherLivePid).model_file(1)));

    // Written before the system started, a copy's writer is gone whatever
    // runs under its number now.
    fs::last_write_time(RecoveryFolder(folder_, kOtherLivePid).model_file(1),
                        fs::file_time_type::clock::now() - std::chrono::hours(24 * 365 * 20));
    const auto after_reboot = mine.left_behind(fake_alive);
    ASSERT_EQ(after_reboot.size(), 2u);
    EXPECT_EQ(after_reboot[0].pid, kOtherLivePid);
}

TEST_F(RecoveryTest, ANewModelsCopyOpensUnderTheNewWindowsName) {
    RecoveryFolder(folder_, kDeadPid)
        .write(3, read_model_file(user_file_), {"MODEL3", "/gone/MODEL3.BGF", false});
    Run run(*this, ::getpid());
    Dialog dialog;
    dialog.answers = {RecoveryChoice::kOpen};
    offer_recovery(run.keeper, run.main, dialog);
    const ModelDocument& recovered = *run.main.model_window(1);
    EXPECT_EQ(recovered.caption, "MODEL1");
    EXPECT_EQ(recovered.window.saved, kFalse);
    // Saved under a name of the user's, the copy goes.
    ports_.files.push_back(dir_ + "user/saved.bgf");
    ASSERT_TRUE(run.main.model_window(1)->save_Click());
    run.keeper.changed(1, recovered);
    EXPECT_TRUE(files_in(folder_).empty());
}

TEST_F(RecoveryTest, AModelOpenedFromItsOwnCopyIsNeverWrittenOver) {
    // The user opens a copy file by hand: the keeper's next copy would have
    // the same name, and refuses.
    Run run(*this, ::getpid());
    run.keeper.folder().write(1, read_model_file(user_file_), {"rlc", user_file_, true});
    const std::string copy = run.keeper.folder().model_file(1).string();
    const std::string before = read_whole_file(copy);
    EXPECT_FALSE(run.keeper.tick(1, open_and_change(run.main, 1, copy)));
    EXPECT_NE(run.keeper.last_error().find("its own recovery copy"), std::string::npos);
    EXPECT_EQ(read_whole_file(copy), before);
}

}  // namespace
}  // namespace vantor
