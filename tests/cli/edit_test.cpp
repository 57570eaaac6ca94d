// vantor-cli edit: the window it opens, what it prints, what it writes, and
// that a stopped replay writes nothing.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli_run.h"
#include "model/file_reading.h"
#include "model/file_saving.h"

namespace vantor {
namespace {

namespace fs = std::filesystem;
using test::CliRun;
using test::temp_path;

const std::string kExamples = VANTOR_EXAMPLES_DIR;

CliRun edit(std::vector<std::string> args) {
    args.insert(args.begin(), {"--program-dir", VANTOR_DATA_DIR, "edit"});
    return test::run(args);
}

std::string journal(const std::string& name, const std::string& text) {
    const std::string path = temp_path(name);
    save_file(path, text);
    return path;
}

// With the model on standard output the messages move to standard error.
TEST(CliEdit, AssignInAJournalSavesWhatTheCausalityCommandSaves) {
    const std::string model = kExamples + "/two_capacitors.bgf";
    const std::string state = temp_path("state.json");
    const CliRun r =
        edit({model, journal("assign.jnl", "menu assign\n"), "-o", "-", "--state", state});
    EXPECT_EQ(r.code, kExitOk) << r.err;
    EXPECT_EQ(r.err, "message: There is at least an element with derivative causality\n");

    const std::string by_command = temp_path("command.bgf");
    ASSERT_EQ(
        test::run({"--program-dir", VANTOR_DATA_DIR, "causality", model, "-o", by_command}).code,
        kExitOk);
    EXPECT_EQ(r.out, read_whole_file(by_command));

    const std::string json = read_whole_file(state);
    EXPECT_EQ(json.rfind("{\n  \"nobj\": ", 0), 0u) << json;
    EXPECT_NE(json.find("\"saved\": 0, \"causerr\": 0"), std::string::npos) << json;
}

TEST(CliEdit, ANewModelStartsEmptyAndTakesDrops) {
    const std::string out = temp_path("new.bgf");
    const std::string state = temp_path("new.json");
    const CliRun r = edit(
        {"--new", journal("drop.jnl", "drop bondgraph 5 1500 900\n"), "-o", out, "--state", state});
    EXPECT_EQ(r.code, kExitOk) << r.err;
    EXPECT_EQ(r.out, "");
    const std::string json = read_whole_file(state);
    EXPECT_EQ(json.rfind("{\n  \"nobj\": 1, \"nlin\": 0, \"saved\": 0,", 0), 0u) << json;
    EXPECT_NE(json.find("\"type\": \"C__\""), std::string::npos);
    EXPECT_NE(read_whole_file(out).find("type = C__"), std::string::npos);

    // An empty journal leaves the new window as New Model made it: saved.
    const CliRun empty = edit({"--new", journal("empty.jnl", "# nothing\n"), "--state", "-"});
    EXPECT_EQ(empty.code, kExitOk) << empty.err;
    EXPECT_EQ(empty.out.rfind("{\n  \"nobj\": 0, \"nlin\": 0, \"saved\": -1, \"causerr\": 0,", 0),
              0u)
        << empty.out;
}

TEST(CliEdit, AnEmptyModelFileOpensLikeANewModel) {
    const std::string model = journal("empty.bgf", "");
    const CliRun r = edit({model, journal("showp.jnl", "menu showp\n"), "--state", "-"});
    EXPECT_EQ(r.code, kExitOk) << r.err;
    EXPECT_NE(r.out.find("\"showp\": true"), std::string::npos) << r.out;
}

TEST(CliEdit, AStoppedReplayWritesNothingAndNamesTheLine) {
    const std::string out = temp_path("kept.bgf");
    const std::string state = temp_path("kept.json");
    save_file(out, "precious");
    fs::remove(state);
    const std::string model = kExamples + "/two_capacitors.bgf";
    const struct {
        std::string journal;
        std::string err;
        std::string out;
    } rows[] = {
        // A line that cannot be read stops before anything runs.
        {journal("unreadable.jnl", "menu assign\n\nmenu paint\n"),
         ": line 3: menu: unknown item \"paint\"\n", ""},
        // A line that cannot run stops after what ran before it.
        {journal("stopped.jnl", "menu assign\nimage1_click 40\nmenu undo\n"),
         ": line 2: glyph 40 is not in the model, which has 11 elements\n",
         "message: There is at least an element with derivative causality\n"},
    };
    for (const auto& row : rows) {
        const CliRun r = edit({model, row.journal, "-o", out, "--state", state});
        EXPECT_EQ(r.code, kExitUsage);
        EXPECT_EQ(r.err, "vantor-cli: " + row.journal + row.err);
        EXPECT_EQ(r.out, row.out);
        EXPECT_EQ(read_whole_file(out), "precious");
        EXPECT_FALSE(fs::exists(state));
    }
}

TEST(CliEdit, AModelWhosePortsCannotBePlacedIsRefused) {
    // A block at the edge of the 16-bit range: its ports would lie beyond it.
    std::string model =
        "add_obj\r\ntype = sum\r\ncaption = sum\r\ntop = 32767\r\n"
        "left = 32767\r\nmaxsigninp = 1\r\nauxil1 = 1\r\nend\r\n"
        "add_obj\r\ntype = con\r\ncaption = >\r\nauxil2 = 1\r\n"
        "auxil3 = 1\r\nend\r\nend_sys\r\n";
    const std::string path = journal("far.bgf", model);
    const CliRun r = edit({path, journal("e.jnl", ""), "--state", "-"});
    EXPECT_EQ(r.code, kExitUsage);
    EXPECT_EQ(r.err, "vantor-cli: " + path +
                         ": a value overflows a 16-bit field as the window shows the model\n");
    EXPECT_EQ(r.out, "");
}

// Both outputs are checked first: one that cannot be written keeps the other
// from being written too.
TEST(CliEdit, NothingIsWrittenWhenAnOutputCannotBe) {
    const std::string state = temp_path("before.json");
    fs::remove(state);
    const std::string folder = temp_path("a-folder");
    fs::create_directories(folder);
    const CliRun r = edit({"--new", journal("none.jnl", ""), "--state", state, "-o", folder});
    EXPECT_EQ(r.code, kExitUsage);
    EXPECT_NE(r.err.find(folder + ": cannot write: it is a folder"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(state));
}

TEST(CliEdit, UsageErrorsNameTheBadArgument) {
    const std::string j = journal("u.jnl", "");
    const std::string model = kExamples + "/two_capacitors.bgf";
    const struct {
        std::vector<std::string> args;
        std::string problem;
    } rows[] = {
        {{}, "edit needs MODEL (or --new) and JOURNAL"},
        {{"--new", model, j}, "unexpected argument \"" + j + "\""},
        {{model, j, "--frob"}, "unknown option \"--frob\""},
        {{model, j, "-o"}, "-o needs a file"},
        {{model, j, "-o", "-", "--state", "-"}, "-o and --state cannot both be -"},
        {{model, j, "--window"}, "--window needs a number"},
        {{model, j, "--window", "0"}, "--window: \"0\" is not a window number"},
        {{model, j, "--window", "2x"}, "--window: \"2x\" is not a window number"},
    };
    for (const auto& row : rows) {
        const CliRun r = edit(row.args);
        EXPECT_EQ(r.code, kExitUsage);
        EXPECT_EQ(r.err.rfind("vantor-cli: " + row.problem, 0), 0u) << r.err;
        EXPECT_NE(r.err.find("usage: vantor-cli edit (MODEL | --new) JOURNAL"), std::string::npos);
    }

    const CliRun missing = edit({model, temp_path("missing.jnl")});
    EXPECT_EQ(missing.code, kExitUsage);
    EXPECT_NE(missing.err.find("missing.jnl"), std::string::npos) << missing.err;
}

}  // namespace
}  // namespace vantor
