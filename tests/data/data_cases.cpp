// Data cases: every folder of tests/data/commands holds one vantor-cli command
// line, every folder of tests/data/journals one journal that `vantor-cli edit`
// replays, each with what it must give. They run in this process, one test a
// folder. A folder whose name ends in "_must_fail" holds a wrong expectation
// on purpose: it proves that a case can fail.
//
// A command case's `command`: a first line "# what this pins and why it
// matters" (a case without it is refused), then the arguments split at blanks,
// where {case} stands for the case folder, {examples} for the examples, {data}
// for the program's support files and {out} for a fresh scratch folder, the
// current folder of the run. Optionally:
//   given/                  files copied into {out} before the run (links as links)
//   stdout.txt, stderr.txt  the whole expected output (missing: empty), the
//                           folders above written back as {case} and so on
//   exit                    the expected exit code (0 without it)
//   files/NAME              compared byte for byte with {out}/NAME
//   absent                  names of files, one a line, that {out} must not hold
// A journal case's journal.jnl starts with the same comment line. Optionally:
//   model.bgf               the model the window opens (without it: --new)
//   args                    further arguments of vantor-cli edit, on one line
//   state.json, stdout.txt  the expected state file and messages
//   saved.bgf               the expected model after the replay (through -o)
//   stderr.txt              the expected standard error, the case folder left out
//   exit                    as above
// VANTOR_UPDATE_CASES=1 writes what a run gives as the expected files instead
// (an empty saved.bgf asks for the saved model); read every such change as
// code before committing it.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <tuple>

#include "cli/cli.h"
#include "expected_file.h"
#include "model/file_saving.h"
#include "test_scratch.h"

namespace vantor::test {
namespace {

namespace fs = std::filesystem;

const fs::path kCases = VANTOR_CASES_DIR;

void replace_all(std::string& text, const std::string& from, const std::string& to) {
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
}

std::vector<std::string> words(const std::string& line) {
    std::istringstream in(line);
    return {std::istream_iterator<std::string>(in), {}};
}

void expect_exit(const fs::path& folder, int got) {
    const fs::path path = folder / "exit";
    if (updating_cases()) {
        if (got != 0)
            write_text(path, std::to_string(got) + "\n");
        else
            fs::remove(path);
    }
    const std::string want = fs::exists(path) ? file_text(path) : "0";
    EXPECT_EQ(std::atoi(want.c_str()), got) << "exit code";
}

void expect_comment_line(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    ASSERT_TRUE(std::getline(in, line) && line.rfind("# ", 0) == 0 && line.size() > 2)
        << "the first line of " << file << " must be a comment saying what the case pins";
}

struct Run {
    int exit;
    std::string out;
    std::string err;
};

// vantor-cli in this process, in folder `dir`.
Run run_in(const fs::path& dir, const std::vector<std::string>& args) {
    const fs::path before = fs::current_path();
    fs::current_path(dir);
    std::ostringstream out, err;
    const int code = run_cli(args, VANTOR_CLI_DIR, out, err);
    fs::current_path(before);
    return {code, out.str(), err.str()};
}

fs::path fresh_scratch() {
    const fs::path dir = scratch_dir();
    fs::remove_all(dir);
    fs::create_directories(dir);
    return fs::canonical(dir);
}

void run_command_case(const fs::path& folder) {
    expect_comment_line(folder / "command");
    std::ifstream command(folder / "command");
    std::string line;
    std::getline(command, line);
    std::getline(command, line);
    const fs::path out = fresh_scratch();
    if (fs::exists(folder / "given"))
        fs::copy(folder / "given", out,
                 fs::copy_options::recursive | fs::copy_options::copy_symlinks);
    const std::vector<std::pair<std::string, std::string>> names = {
        {"{out}", out.string()},
        {"{case}", folder.string()},
        {"{examples}", VANTOR_EXAMPLES_DIR},
        {"{data}", VANTOR_DATA_DIR}};
    std::vector<std::string> args = words(line);
    for (std::string& arg : args)
        for (const auto& [name, path] : names) replace_all(arg, name, path);
    Run run = run_in(out, args);

    for (auto [text, file] :
         {std::pair{&run.out, "stdout.txt"}, std::pair{&run.err, "stderr.txt"}}) {
        for (const auto& [name, path] : names) replace_all(*text, path, name);
        const fs::path expected = folder / file;
        if (updating_cases() && text->empty()) {
            fs::remove(expected);
            continue;
        }
        expect_file_text(expected, *text, file);
    }
    expect_exit(folder, run.exit);
    if (fs::exists(folder / "files")) {
        for (const auto& want : fs::directory_iterator(folder / "files")) {
            const fs::path got = out / want.path().filename();
            EXPECT_TRUE(fs::exists(got)) << got.filename() << " was not written";
            if (fs::exists(got))
                expect_file_text(want.path(), file_text(got), got.filename().string());
        }
    }
    std::ifstream absent(folder / "absent");
    for (std::string name; std::getline(absent, name);) {
        EXPECT_FALSE(!name.empty() && fs::exists(fs::symlink_status(out / name)))
            << name << " was written, and must not be";
    }
}

void run_journal_case(const fs::path& folder) {
    expect_comment_line(folder / "journal.jnl");
    const fs::path scratch = fresh_scratch();
    std::vector<std::string> args = {"edit"};
    args.push_back(fs::exists(folder / "model.bgf") ? (folder / "model.bgf").string() : "--new");
    args.insert(args.end(),
                {(folder / "journal.jnl").string(), "--state", (scratch / "state.json").string()});
    if (fs::exists(folder / "saved.bgf"))
        args.insert(args.end(), {"-o", (scratch / "saved.bgf").string()});
    for (const std::string& arg : words(file_text(folder / "args"))) args.push_back(arg);
    Run run = run_in(scratch, args);
    replace_all(run.err, folder.string() + "/", "");

    expect_exit(folder, run.exit);
    // An output is compared when the case has its expected file. Updating
    // also makes the file for a state or messages that are not empty, and for
    // the standard error of a replay that fails.
    const std::string state = file_text(scratch / "state.json");
    const std::tuple<const char*, std::string, bool> outputs[] = {
        {"state.json", state, !state.empty()},
        {"stdout.txt", run.out, !run.out.empty()},
        {"stderr.txt", run.err, run.exit != 0},
        {"saved.bgf", file_text(scratch / "saved.bgf"), false}};
    for (const auto& [file, got, made_when_updating] : outputs) {
        if (fs::exists(folder / file) || (updating_cases() && made_when_updating))
            expect_file_text(folder / file, got, file);
    }
}

// A _must_fail case passes when its checks fail, and is never updated.
void run_case(const fs::path& folder, const std::function<void(const fs::path&)>& run) {
    ignore_file_size_signal();
    if (folder.filename().string().ends_with("_must_fail")) {
        if (updating_cases()) return;
        testing::TestPartResultArray failures;
        {
            testing::ScopedFakeTestPartResultReporter intercept(
                testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD,
                &failures);
            run(folder);
        }
        EXPECT_GT(failures.size(), 0) << "a case meant to fail passed";
    } else {
        run(folder);
    }
    // A failed case's scratch folder stays, to be looked at.
    if (!testing::Test::HasFailure()) fs::remove_all(scratch_dir());
}

std::vector<std::string> case_names(const char* kind) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(kCases / kind))
        if (entry.is_directory()) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

struct CommandCase : testing::TestWithParam<std::string> {};
struct JournalCase : testing::TestWithParam<std::string> {};

TEST_P(CommandCase, GivesItsExpectedOutputs) {
    run_case(kCases / "commands" / GetParam(), run_command_case);
}

TEST_P(JournalCase, GivesItsExpectedOutputs) {
    run_case(kCases / "journals" / GetParam(), run_journal_case);
}

const auto kName = [](const auto& info) { return info.param; };
INSTANTIATE_TEST_SUITE_P(Data, CommandCase, testing::ValuesIn(case_names("commands")), kName);
INSTANTIATE_TEST_SUITE_P(Data, JournalCase, testing::ValuesIn(case_names("journals")), kName);

}  // namespace
}  // namespace vantor::test
