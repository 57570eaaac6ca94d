#include "cli/cli.h"

#include <gtest/gtest.h>

#include "cli_run.h"

#include <cstdlib>
#include <filesystem>

#include <sys/wait.h>

#include "model/file_reading.h"
#include "model/file_saving.h"
#include "simulink/simulink_fixtures.h"
#include "vantor_version.h"

namespace vantor {
namespace {

namespace fs = std::filesystem;

using test::CliRun;
using test::run;
using test::temp_path;

TEST(Cli, InfoListsCountsElementsAndBonds) {
    const CliRun r = run({"info", std::string(VANTOR_EXAMPLES_DIR) + "/two_junctions.bgf"});
    EXPECT_EQ(r.code, kExitOk) << r.err;
    EXPECT_EQ(r.out,
              "elements: 2\n"
              "bonds: 1\n"
              "element 1: type \"000\" caption \"0\" top 600 left 1200\n"
              "element 2: type \"111\" caption \"1\" top 600 left 2400\n"
              "bond 1: causa 0 obj1 1 obj2 2\n");
}

TEST(Cli, InfoShowsEveryByteOfOddText) {
    const std::string path = temp_path("odd.bgf");
    save_file(path, "add_obj\r\ncaption = a\x8D\nb \x95 \"q\"\r\nend\r\nend_sys\r\n");
    const CliRun r = run({"info", path});
    EXPECT_EQ(r.code, kExitOk);
    EXPECT_NE(r.out.find("type \"\\x00\\x00\\x00\" caption \"a\\r\\nb \u2022 \\\"q\\\"\""),
              std::string::npos)
        << r.out;
}

TEST(Cli, UsageAndFileErrorsExitWithTwoAndSayWhy) {
    EXPECT_EQ(run({}).code, kExitUsage);
    EXPECT_EQ(run({"frobnicate"}).code, kExitUsage);
    EXPECT_EQ(run({"info"}).code, kExitUsage);
    EXPECT_EQ(run({"resave", "only-one"}).code, kExitUsage);
    EXPECT_EQ(run({"--program-dir"}).code, kExitUsage);
    EXPECT_EQ(run({"--help"}).code, kExitOk);

    const std::string missing = temp_path("missing-model.bgf");
    const CliRun r = run({"info", missing});
    EXPECT_EQ(r.code, kExitUsage);
    EXPECT_NE(r.err.find(missing), std::string::npos) << r.err;
    EXPECT_TRUE(r.out.empty());

    const std::string bad = temp_path("bad-number.bgf");
    save_file(bad, "add_obj\r\ntop = 70000\r\nend\r\n");
    const CliRun refused = run({"--program-dir", "/tmp", "info", bad});
    EXPECT_EQ(refused.code, kExitUsage);
    EXPECT_NE(refused.err.find(bad + ", line 2: "), std::string::npos) << refused.err;
}

TEST(Cli, VersionAndHelpGoToStdoutAndSucceed) {
    const CliRun version = run({"--version"});
    EXPECT_EQ(version.code, kExitOk);
    // The version, then the copyright and licence as GNU programs give them.
    EXPECT_EQ(version.out,
              std::string("vantor-cli ") + kVersion +
                  "\n"
                  "Copyright (C) 2026 the Vantor developers.\n"
                  "License GPL-3.0-or-later: GNU GPL version 3 or later "
                  "<https://gnu.org/licenses/gpl.html>.\n"
                  "This is free software: you are free to change and redistribute it.\n"
                  "There is NO WARRANTY, to the extent permitted by law.\n");

    const CliRun help = run({"--help"});
    for (const char* command :
         {"info", "resave", "causality", "generate", "edit", "render", "simulate"}) {
        EXPECT_NE(help.out.find(std::string("\n  ") + command + " "), std::string::npos) << command;
    }
    // A command's own help, wherever the option stands among its arguments.
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"generate", "--help"}, {"--program-dir", "/x", "generate", "a.bgf", "-h"}}) {
        const CliRun r = run(args);
        EXPECT_EQ(r.code, kExitOk);
        EXPECT_EQ(r.out.rfind("usage: vantor-cli [--program-dir DIR] generate MODEL", 0), 0u)
            << r.out;
        EXPECT_NE(r.out.find("--strict exits 1"), std::string::npos);
        EXPECT_EQ(r.out.find("simulate"), std::string::npos);
        EXPECT_TRUE(r.err.empty());
    }
}

TEST(Cli, ResaveLeavesTheTargetAloneWhenTheSourceIsRefused) {
    const std::string bad = temp_path("refused.bgf");
    const std::string out = temp_path("kept.bgf");
    save_file(bad, "add_line\r\nobj1 = 1e6\r\nend\r\n");
    save_file(out, "precious");
    EXPECT_EQ(run({"resave", bad, out}).code, kExitUsage);
    EXPECT_EQ(read_whole_file(out), "precious");
}

TEST(CliCausality, PrintsMessagesThenTheSelectionAndWritesTheResult) {
    const std::string examples = VANTOR_EXAMPLES_DIR;
    const std::string out = temp_path("caps-causal.bgf");
    CliRun r = run({"--program-dir", VANTOR_DATA_DIR, "causality", examples + "/two_capacitors.bgf",
                    "-o", out});
    EXPECT_EQ(r.code, kExitOk);  // a warning is not a failure
    // The warning selects the capacitor in derivative causality.
    EXPECT_EQ(r.out, "There is at least an element with derivative causality\nselected: 6\n");
    CliRun info = run({"info", out});
    EXPECT_NE(info.out.find("bond 1: causa 1 obj1 1 obj2 2"), std::string::npos) << info.out;

    const std::string undone = temp_path("caps-undone.bgf");
    r = run({"--program-dir", VANTOR_DATA_DIR, "causality", "--undo", out, "-o", undone});
    EXPECT_EQ(r.code, kExitOk);
    EXPECT_EQ(read_whole_file(undone), read_whole_file(examples + "/two_capacitors.bgf"));

    // A source pushed the wrong way: the error, the element, exit code 1.
    const std::string wrong = temp_path("wrong-source.bgf");
    save_file(wrong,
              "add_obj\r\ntype = 000\r\nend\r\nadd_obj\r\ntype = Se_\r\nend\r\n"
              "add_line\r\ncausa = 1\r\nobj1 = 1\r\nobj2 = 2\r\nend\r\nend_sys\r\n");
    r = run({"--program-dir", VANTOR_DATA_DIR, "causality", wrong});
    EXPECT_EQ(r.code, kExitModelProblem);
    EXPECT_EQ(r.out, "Causality error in the selected element\nselected: 2\n");

    // Extend needs no tables; the junction has no bond left to take its effort.
    r = run({"causality", "--extend", wrong});
    EXPECT_EQ(r.code, kExitModelProblem);
    EXPECT_EQ(r.out, "Causality error in the selected element\nselected: 1\n");

    // Without the program folder's tables the command cannot run.
    r = run({"--program-dir", "/nonexistent", "causality", wrong});
    EXPECT_EQ(r.code, kExitUsage);
    EXPECT_NE(r.err.find("/nonexistent/library/priori1.dat"), std::string::npos) << r.err;
    EXPECT_TRUE(r.out.empty()) << r.out;
    EXPECT_EQ(run({"causality", "--bogus", wrong}).code, kExitUsage);
}

TEST(CliGenerate, WritesTheModelOrNothingWithTheMessagesOfTheRoad) {
    test::TemplateProgramDir dir(
        "cli_generate",
        {{"sta.cod", "% #arch#\r\n"}, {"Se_.cod", "#obj# Se,\r\n"}, {"end.cod", "% end\r\n"}});
    const std::string causal = temp_path("Circuit.bgf");
    ASSERT_EQ(run({"--program-dir", VANTOR_DATA_DIR, "causality",
                   std::string(VANTOR_EXAMPLES_DIR) + "/series_rlc.bgf", "-o", causal})
                  .code,
              kExitOk);

    const std::string out = temp_path("circuit_out.m");
    CliRun r = run({"--program-dir", dir.path(), "generate", causal, "-o", out});
    EXPECT_EQ(r.code, kExitOk) << r.err;
    EXPECT_EQ(read_whole_file(out), "% circuit_out\r\n1 Se,\r\n% end\r\n");
    EXPECT_NE(r.err.find("warning: no template " + dir.path() + "/code3/lin.cod"),
              std::string::npos)
        << r.err;

    // Without -o: the model's name in lower case, in the current folder.
    const fs::path here = fs::current_path();
    fs::current_path(test::scratch_dir());
    r = run({"--program-dir", dir.path(), "generate", causal});
    fs::current_path(here);
    EXPECT_EQ(r.code, kExitOk);
    EXPECT_TRUE(fs::exists(temp_path("circuit.m")));

    // A model without causality is refused and nothing is written.
    const std::string refused_out = temp_path("refused.m");
    r = run({"--program-dir", dir.path(), "generate",
             std::string(VANTOR_EXAMPLES_DIR) + "/series_rlc.bgf", "-o", refused_out});
    EXPECT_EQ(r.code, kExitModelProblem);
    EXPECT_EQ(r.out, "You must assign causality before converting\n");
    EXPECT_FALSE(fs::exists(refused_out));

    EXPECT_EQ(run({"--program-dir", dir.path(), "generate", causal, "--simulink", "4"}).code,
              kExitUsage);
    // Version 1 has no template folder here.
    r = run({"--program-dir", dir.path(), "generate", causal, "--simulink", "1", "-o", out});
    EXPECT_EQ(r.code, kExitUsage);
    EXPECT_NE(r.err.find(dir.path() + "/code1 does not exist"), std::string::npos) << r.err;
}

// The real program, as a user runs it: every example and library comes back
// byte for byte.
TEST(CliProgram, ResaveRoundTripsEveryExampleAndLibrary) {
    int files = 0;
    for (const std::string folder : {VANTOR_EXAMPLES_DIR, VANTOR_DATA_DIR "/library"}) {
        for (const auto& entry : fs::directory_iterator(folder)) {
            const auto ext = entry.path().extension();
            if (ext != ".bgf" && ext != ".lib") continue;
            ++files;
            const std::string out = temp_path("resaved-" + entry.path().filename().string());
            const std::string command = std::string("'") + VANTOR_CLI_PATH + "' resave '" +
                                        entry.path().string() + "' '" + out + "'";
            ASSERT_EQ(std::system(command.c_str()), 0) << command;
            EXPECT_EQ(read_whole_file(out), read_whole_file(entry.path().string()))
                << entry.path() << " changed on resave";
        }
    }
    EXPECT_GE(files, 12);
}

TEST(CliProgram, ExitCodeReachesTheShell) {
    const std::string command =
        std::string("'") + VANTOR_CLI_PATH + "' info /nonexistent/x.bgf 2>/dev/null";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), kExitUsage);
}

// The warning goes to stderr, and the command still succeeds.
TEST(CliCausality, ATableWithoutEndIsAWarning) {
    const std::string dir = test::scratch_dir() + "no_end_tables";
    fs::remove_all(dir);
    fs::create_directories(dir + "/library");
    for (int k = 1; k <= 5; ++k) {
        const std::string name = "/library/priori" + std::to_string(k) + ".dat";
        std::string table = read_whole_file(std::string(VANTOR_DATA_DIR) + name);
        if (k == 3) table = "C__\r\n";
        save_file(dir + name, table);
    }
    for (const char* command : {"causality", "render"}) {
        std::vector<std::string> args = {"--program-dir", dir, command,
                                         std::string(VANTOR_EXAMPLES_DIR) + "/two_capacitors.bgf"};
        if (command == std::string("render")) {
            args.insert(args.end(), {"--assign", "-o", temp_path("no_end.svg")});
        }
        const CliRun r = run(args);
        EXPECT_EQ(r.code, kExitOk) << command;
        EXPECT_NE(r.err.find("vantor-cli: warning: Priority table " + dir +
                             "/library/priori3.dat has no end line"),
                  std::string::npos)
            << r.err;
    }
}

}  // namespace
}  // namespace vantor
