// vantor-cli with odd inputs and outputs: special files,
// read-only targets, kills during a save, a file-size limit, control bytes.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <set>
#include <thread>

#include "cli_run.h"
#include "model/file_reading.h"
#include "model/file_saving.h"
#include "model/model_samples.h"
#include "model/model_writer.h"
#include "simulink/simulink_fixtures.h"

extern char** environ;

namespace vantor {
namespace {

namespace fs = std::filesystem;
using test::CliRun;
using test::run;

// A scratch path with nothing at it yet: FIFOs, devices and read-only files
// of an earlier run would be in the way.
std::string fresh_path(const std::string& name) {
    const std::string path = test::temp_path(name);
    fs::remove(path);
    return path;
}
using test::temp_path;

const std::string kExamples = VANTOR_EXAMPLES_DIR;

std::set<std::string> names_in(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

// An empty scratch folder.
std::string fresh_folder(const std::string& name) {
    const std::string folder = test::scratch_dir() + name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

// The real program resaving `source` over `target`, as a shell line.
std::string resave_line(const std::string& source, const std::string& target) {
    return "'" + std::string(VANTOR_CLI_PATH) + "' resave '" + source + "' '" + target + "'";
}

// Makes every file of the folder but one an hour old.
void age_all_but(const std::string& folder, const std::string& kept) {
    for (const std::string& name : names_in(folder)) {
        if (name == kept) continue;
        fs::last_write_time(folder + "/" + name,
                            fs::file_time_type::clock::now() - std::chrono::hours(1));
    }
}

void expect_refused_at_once(const std::vector<std::string>& args, const std::string& file) {
    const auto start = std::chrono::steady_clock::now();
    const CliRun r = run(args);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_EQ(r.code, kExitUsage) << args[2];
    EXPECT_NE(r.err.find(file + ": not a regular file"), std::string::npos) << r.err;
}

TEST(CliFiles, SpecialFilesInPlaceOfInputsAreRefusedAtOnce) {
    const std::string fifo = fresh_path("fifo.bgf");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string out = fresh_path("out.bgf");
    expect_refused_at_once({"--program-dir", VANTOR_DATA_DIR, "info", fifo}, fifo);
    expect_refused_at_once({"--program-dir", VANTOR_DATA_DIR, "resave", "/dev/zero", out},
                           "/dev/zero");

    // In place of a priority table and of a template.
    test::TemplateProgramDir dir("special", {{"sta.cod", "x\r\n"}, {"end.cod", ""}});
    // A causal model whose generation needs the templates Se_.cod and R__1.cod.
    const std::string causal = temp_path("circuit.bgf");
    ASSERT_EQ(run({"--program-dir", VANTOR_DATA_DIR, "causality", kExamples + "/series_rlc.bgf",
                   "-o", causal})
                  .code,
              kExitOk);
    const std::string table = dir.path() + "/library/priori3.dat";
    fs::remove(table);
    ASSERT_EQ(::mkfifo(table.c_str(), 0600), 0);
    expect_refused_at_once({"--program-dir", dir.path(), "causality", causal, "-o", out}, table);
    fs::remove(table);
    fs::copy_file(std::string(VANTOR_DATA_DIR) + "/library/priori3.dat", table);

    const std::string script = fresh_path("circuit.m");
    const std::string template_fifo = dir.folder() + "/Se_.cod";
    ASSERT_EQ(::mkfifo(template_fifo.c_str(), 0600), 0);
    expect_refused_at_once({"--program-dir", dir.path(), "generate", causal, "-o", script},
                           template_fifo);
    EXPECT_FALSE(fs::exists(out));
    EXPECT_FALSE(fs::exists(script));
}

// A path never reaches the terminal raw: ESC [2J would clear it and an LF
// would split the message. (Control bytes of model text are command cases.)
TEST(CliFiles, ControlBytesInPathsAreEscaped) {
    const CliRun r = run({"info", "bad\x1b[2Jname\n.bgf"});
    EXPECT_NE(r.err.find("bad\\x1B[2Jname\\n.bgf"), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find('\x1b'), std::string::npos);
}

// The real program, killed at random moments while it saves a large model.
TEST(CliProgram, KillsDuringASaveLeaveTheOldOrTheNewFile) {
    const std::string folder = fresh_folder("kills");
    Model big;
    big.nobj = kMaxElements;
    big.nlin = kMaxBonds;
    for (int i = 1; i <= big.nobj; ++i) big.objs[i] = test::element("C__", "c", i, i, 4);
    for (int j = 1; j <= big.nlin; ++j) big.lines[j] = test::bond(1, j, j % 1000 + 1);
    const std::string source = temp_path("big.bgf");
    const std::string target = folder + "/m.bgf";
    const std::string old_text = test::two_junctions_text();
    const std::string new_text = format_model(big);
    save_file(source, new_text);

    const auto resave = [&] {
        const char* argv[] = {VANTOR_CLI_PATH, "resave", source.c_str(), target.c_str(), nullptr};
        pid_t pid = 0;
        EXPECT_EQ(posix_spawn(&pid, VANTOR_CLI_PATH, nullptr, nullptr,
                              const_cast<char* const*>(argv), environ),
                  0);
        return pid;
    };
    save_file(target, old_text);
    const auto start = std::chrono::steady_clock::now();
    int status = 0;
    waitpid(resave(), &status, 0);
    const auto whole_run = std::chrono::steady_clock::now() - start;
    ASSERT_EQ(status, 0);

    std::mt19937 rng(42);
    const auto limit = std::chrono::duration_cast<std::chrono::microseconds>(whole_run).count();
    const std::string leftover = ".m.bgf.vantor-save-";
    for (int kill_number = 0; kill_number < 60; ++kill_number) {
        save_file(target, old_text);
        const pid_t pid = resave();
        std::this_thread::sleep_for(
            std::chrono::microseconds(std::uniform_int_distribution<long long>(0, limit)(rng)));
        ::kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        const std::string now = read_whole_file(target);
        ASSERT_TRUE(now == old_text || now == new_text) << "kill " << kill_number;
        for (const std::string& name : names_in(folder)) {
            ASSERT_TRUE(name == "m.bgf" || name.starts_with(leftover)) << name;
            if (name != "m.bgf") {
                EXPECT_EQ(read_whole_file(folder + "/" + name), new_text);
            }
        }
    }
    // The leftovers' writers are gone; once they are old, the next save removes them.
    age_all_but(folder, "m.bgf");
    waitpid(resave(), &status, 0);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(names_in(folder), std::set<std::string>{"m.bgf"});
    EXPECT_EQ(read_whole_file(target), new_text);
}

// The kill at the worst moment, made sure by strace: after the temporary file
// got its name, before the rename.
TEST(CliProgram, AKillJustBeforeTheRenameLeavesTheOldFileAndALeftoverThatGoes) {
    if (std::system("strace -V >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "strace is not installed: the kill before the rename is not injected";
    }
    if (std::system("strace -o /dev/null true >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "strace cannot trace here (ptrace is not allowed)";
    }
    const std::string folder = fresh_folder("strace_kill");
    const std::string target = folder + "/m.bgf";
    const std::string old_text = test::two_junctions_text();
    save_file(target, old_text);
    const std::string source = std::string(VANTOR_EXAMPLES_DIR) + "/quarter_car.bgf";
    const std::string resave = resave_line(source, target);
    const int status = std::system(("strace -f -o /dev/null -e trace=rename,renameat,renameat2 "
                                    "-e inject=rename,renameat,renameat2:signal=KILL:error=EIO " +
                                    resave + " 2>/dev/null")
                                       .c_str());
    EXPECT_FALSE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the save was not stopped";
    EXPECT_EQ(read_whole_file(target), old_text);
    const std::set<std::string> names = names_in(folder);
    ASSERT_EQ(names.size(), 2u);
    const std::string leftover = *names.begin();  // '.' sorts before 'm'
    ASSERT_TRUE(leftover.starts_with(".m.bgf.vantor-save-")) << leftover;
    EXPECT_EQ(read_whole_file(folder + "/" + leftover), read_whole_file(source));

    // Young, the leftover might belong to a running save and stays.
    ASSERT_EQ(std::system((resave + " 2>/dev/null").c_str()), 0);
    EXPECT_EQ(names_in(folder).size(), 2u);
    age_all_but(folder, "m.bgf");
    ASSERT_EQ(std::system((resave + " 2>/dev/null").c_str()), 0);
    EXPECT_EQ(names_in(folder), std::set<std::string>{"m.bgf"});
}

// Over the file-size limit the write fails like a full disk, instead of the
// signal killing the program halfway.
TEST(CliProgram, AFileSizeLimitIsReportedAndTheOldFileStays) {
    const std::string folder = fresh_folder("limited");
    const std::string target = folder + "/m.bgf";
    save_file(target, "old");
    const std::string command = "ulimit -f 1; exec " +
                                resave_line(kExamples + "/quarter_car.bgf", target) + " 2>'" +
                                folder + "/../err.txt'";
    const int status = std::system(("bash -c \"" + command + "\"").c_str());
    ASSERT_TRUE(WIFEXITED(status)) << "killed by a signal";
    EXPECT_EQ(WEXITSTATUS(status), kExitUsage);
    EXPECT_NE(read_whole_file(folder + "/../err.txt").find("File too large"), std::string::npos);
    EXPECT_EQ(read_whole_file(target), "old");
    EXPECT_EQ(names_in(folder), std::set<std::string>{"m.bgf"});
}

}  // namespace
}  // namespace vantor
