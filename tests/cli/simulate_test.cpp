// vantor-cli simulate, and generate's read-back check of what it wrote.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <filesystem>
#include <sstream>

#include "cli_run.h"
#include "model/file_reading.h"
#include "model/file_saving.h"
#include "model/model_reader.h"
#include "model/model_writer.h"

namespace vantor {
namespace {

namespace fs = std::filesystem;
using test::CliRun;
using test::run;
using test::temp_path;

const std::string kExamples = VANTOR_EXAMPLES_DIR;
const std::string kData = VANTOR_DATA_DIR;

// The example with causality assigned, as the Simulate command needs it.
std::string causal(const std::string& example) {
    const std::string path = temp_path(example + ".bgf");
    const CliRun r =
        run({"--program-dir", kData, "causality", kExamples + "/" + example + ".bgf", "-o", path});
    EXPECT_NE(r.code, kExitUsage) << r.err;
    return path;
}

CliRun simulate(std::vector<std::string> args) {
    args.insert(args.begin(), {"--program-dir", kData, "simulate"});
    return run(args);
}

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(CliSimulate, CsvHasTimeThenOneColumnPerScopeInputDownToTheStopTime) {
    const std::string model = causal("series_rlc");
    CliRun r = simulate({model});
    ASSERT_EQ(r.code, kExitOk) << r.err;
    const std::vector<std::string> rows = lines_of(r.out);
    ASSERT_GT(rows.size(), 10u);
    EXPECT_EQ(rows[0], "t,9scope/1 (scope)");
    EXPECT_EQ(rows[1].substr(0, 2), "0,");
    EXPECT_EQ(rows.back().substr(0, 3), "10,");
    EXPECT_TRUE(std::all_of(rows.begin(), rows.end(), [](const std::string& row) {
        return std::count(row.begin(), row.end(), ',') == 1;
    }));

    // With -o the CSV goes to the file and stdout keeps the report.
    const std::string csv = temp_path("rlc.csv");
    r = simulate({model, "--t-end", "0.5", "-o", csv});
    ASSERT_EQ(r.code, kExitOk) << r.err;
    EXPECT_EQ(lines_of(read_whole_file(csv)).back().substr(0, 4), "0.5,");
    EXPECT_EQ(r.out.find("t,"), std::string::npos);
}

TEST(CliSimulate, AFixedStepGivesOneRowPerStep) {
    const CliRun r =
        simulate({causal("series_rlc"), "--t-end", "0.01", "--fixed-step", "0.001", "-o", "-"});
    ASSERT_EQ(r.code, kExitOk) << r.err;
    const std::vector<std::string> rows = lines_of(r.out);
    ASSERT_EQ(rows.size(), 12u) << r.out;
    EXPECT_EQ(rows[1].substr(0, 2), "0,");
    EXPECT_EQ(rows[2].substr(0, 6), "0.001,");
    EXPECT_EQ(rows[11].substr(0, 5), "0.01,");
}

TEST(CliSimulate, PlotsArePicturesThatLoad) {
    const std::string model = causal("series_rlc");
    const std::string png = temp_path("rlc.png");
    const std::string svg = temp_path("rlc.SVG");
    ASSERT_EQ(simulate({model, "--t-end", "0.5", "-o", temp_path("a.csv"), "--plot", png}).code,
              kExitOk);
    const QImage image(QString::fromStdString(png));
    EXPECT_FALSE(image.isNull());
    EXPECT_GT(image.width(), 100);
    ASSERT_EQ(simulate({model, "--t-end", "0.5", "-o", temp_path("b.csv"), "--plot", svg}).code,
              kExitOk);
    EXPECT_NE(read_whole_file(svg).find("<svg"), std::string::npos);
}

// Both engines write the same columns; the equations run a model whose
// Derivative block diverges and one with a loop the diagram refuses. (A value
// they cannot evaluate is a command case.)
TEST(CliSimulate, TheEquationsEngineWritesTheDiagramsColumns) {
    for (const char* example : {"dc_motor", "two_tanks"}) {
        const std::string model = causal(example);
        const CliRun diagram = simulate({model, "--fixed-step", "0.01", "--engine", "diagram"});
        const CliRun equations = simulate({model, "--fixed-step", "0.01", "--engine", "equations"});
        ASSERT_EQ(diagram.code, kExitOk) << diagram.err;
        ASSERT_EQ(equations.code, kExitOk) << equations.err;
        const auto d = lines_of(diagram.out);
        const auto e = lines_of(equations.out);
        EXPECT_EQ(e.front(), d.front());
        EXPECT_EQ(e.size(), d.size());
    }
    // The diagram refuses a loop of resistors; the equations solve it exactly.
    const std::string loop = causal("algebraic_loop");
    EXPECT_EQ(simulate({loop, "-o", "-"}).code, kExitModelProblem);
    const CliRun solved = simulate({loop, "--engine", "equations", "-o", "-"});
    ASSERT_EQ(solved.code, kExitOk) << solved.err;
    EXPECT_EQ(lines_of(solved.out).front(), "t,11scope/1 (scope)");

    const std::string geared = causal("geared_inertias");
    const CliRun diverged = simulate({geared, "-o", "-"});
    EXPECT_EQ(diverged.code, kExitModelProblem);
    EXPECT_NE(diverged.err.find("--engine equations"), std::string::npos) << diverged.err;
    const CliRun ran = simulate({geared, "--engine", "equations", "-o", "-"});
    EXPECT_EQ(ran.code, kExitOk) << ran.err;
}

// A negative resistance makes the circuit grow without bound until a state
// is no longer finite.
TEST(CliSimulate, ARunThatBlowsUpStillWritesWhatItComputed) {
    const std::string path = causal("series_rlc");
    Model model = read_model_file(path);
    model.objs[4].parameters = "-1e6";
    save_file(path, format_model(model));
    const std::string csv = temp_path("wild.csv");
    const CliRun r = simulate({path, "-o", csv});
    EXPECT_EQ(r.code, kExitModelProblem);
    EXPECT_NE(r.err.find("(element 3 (I))"), std::string::npos) << r.err;
    const std::vector<std::string> rows = lines_of(read_whole_file(csv));
    EXPECT_GT(rows.size(), 2u);
    EXPECT_EQ(rows[0], "t,9scope/1 (scope)");
}

// Runs bounded by their rows: a fixed step at the limit runs whole, an
// adaptive run stops at the limit with what it computed. (Fixed steps over
// the limit are command cases.)
TEST(CliSimulate, RowLimitsBoundARun) {
    const std::string model = causal("series_rlc");
    struct Case {
        std::vector<std::string> args;
        std::string says;
        int code;
        std::size_t csv_lines;  // 0: no file
    };
    const Case cases[] = {
        {{"--fixed-step", "0.1", "--max-rows", "101"}, "", kExitOk, 102},
        {{"--t-end", "1e9", "--max-rows", "50"},
         "vantor-cli: The simulation stopped: the run reached the limit of 50 rows at t = ",
         kExitModelProblem,
         51},
    };
    for (const Case& c : cases) {
        const std::string csv = temp_path("limited.csv");
        fs::remove(csv);
        std::vector<std::string> args = {model, "-o", csv};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CliRun r = simulate(args);
        SCOPED_TRACE(r.err);
        EXPECT_EQ(r.code, c.code);
        EXPECT_NE(r.err.find(c.says), std::string::npos);
        EXPECT_EQ(r.code == kExitUsage,
                  r.err.find("\nusage: vantor-cli simulate") != std::string::npos);
        EXPECT_EQ(fs::exists(csv) ? lines_of(read_whole_file(csv)).size() : 0u, c.csv_lines);
    }
}

// A program folder whose connection template points every line at input 9,
// which no block has.
TEST(CliGenerate, ProblemsOfTheWrittenFileAreWarningsAndStrictFailsOnThem) {
    const std::string folder = temp_path("broken_program");
    fs::remove_all(folder);
    fs::copy(kData, folder, fs::copy_options::recursive);
    save_file(folder + "/code3/lin.cod", "add_line(sys,'#block1#/#con1#','#block2#/9');\r\n");
    const std::string model = causal("series_rlc");

    const auto generate = [&](std::vector<std::string> extra) {
        std::vector<std::string> args = {"--program-dir", folder, "generate",
                                         model,           "-o",   temp_path("rlc.m")};
        args.insert(args.end(), extra.begin(), extra.end());
        return run(args);
    };
    const CliRun lenient = generate({});
    const CliRun strict = generate({"--strict"});
    EXPECT_EQ(lenient.code, kExitOk);
    EXPECT_EQ(strict.code, kExitModelProblem);
    EXPECT_EQ(strict.err, lenient.err);
    EXPECT_NE(lenient.err.find("vantor-cli: error: "), std::string::npos) << lenient.err;
    EXPECT_NE(lenient.err.find("2sum/9: '2sum' has 3 input(s) (element 2 (1))"), std::string::npos)
        << lenient.err;
    EXPECT_TRUE(fs::exists(temp_path("rlc.m")));

    // The shipped templates give a sound file.
    const CliRun sound =
        run({"--program-dir", kData, "generate", model, "-o", temp_path("ok.m"), "--strict"});
    EXPECT_EQ(sound.code, kExitOk);
    EXPECT_EQ(sound.err, "");
}

}  // namespace
}  // namespace vantor
