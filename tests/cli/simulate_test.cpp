// vantor-cli simulate: the shape of the CSV it writes (its numbers depend on
// floating point, so they are not pinned byte for byte), the two engines and
// the pictures.
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

// A model of its own: series_rlc whose resistance is negative, so that the
// circuit grows without bound until a state is no longer finite.
std::string blowing_up() {
    const std::string path = causal("series_rlc");
    Model model = read_model_file(path);
    model.objs[4].parameters = "-1e6";
    const std::string wild = temp_path("wild.bgf");
    save_file(wild, format_model(model));
    return wild;
}

TEST(CliSimulate, CsvRowsEnginesAndLimits) {
    const std::string csv = temp_path("run.csv");
    const std::string rlc = causal("series_rlc"), loop = causal("algebraic_loop");
    const std::string geared = causal("geared_inertias"), wild = blowing_up();
    const std::string rlc_head = "t,9scope/1 (scope)";
    const struct {
        std::string model;
        std::vector<std::string> args;  // "-o csv" is added; the CSV is read from the file
        int code;
        std::string says;  // on stderr
        std::string head;  // the CSV's first line
        std::size_t rows;  // 0: more than 2
        std::string last;  // the start of the last row
    } cases[] = {
        {rlc, {}, kExitOk, "", rlc_head, 0, "10,"},
        {rlc, {"--t-end", "0.5"}, kExitOk, "", rlc_head, 0, "0.5,"},
        {rlc, {"--t-end", "0.01", "--fixed-step", "0.001"}, kExitOk, "", rlc_head, 12, "0.01,"},
        // Bounded by rows: a fixed step at the limit runs whole, an adaptive run
        // stops at the limit with what it computed.
        {rlc, {"--fixed-step", "0.1", "--max-rows", "101"}, kExitOk, "", rlc_head, 102, "10,"},
        {rlc,
         {"--t-end", "1e9", "--max-rows", "50"},
         kExitModelProblem,
         "vantor-cli: The simulation stopped: the run reached the limit of 50 rows at t = ",
         rlc_head,
         51,
         ""},
        {wild, {}, kExitModelProblem, "(element 3 (I))", rlc_head, 0, ""},
        // The equations solve the loop the diagram refuses, and run the geared
        // inertias whose Derivative block diverges.
        {loop, {"--engine", "equations"}, kExitOk, "", "t,11scope/1 (scope)", 0, "10,"},
        {geared, {}, kExitModelProblem, "--engine equations", "", 0, ""},
        {geared, {"--engine", "equations"}, kExitOk, "", "", 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.model + " " + (c.args.empty() ? "" : c.args[0]));
        fs::remove(csv);
        std::vector<std::string> args = {c.model, "-o", csv};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CliRun r = simulate(args);
        EXPECT_EQ(r.code, c.code) << r.err;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
        EXPECT_EQ(r.out.find("t,"), std::string::npos);  // the CSV went to its file
        if (c.head.empty()) continue;
        const std::vector<std::string> rows = lines_of(read_whole_file(csv));
        ASSERT_GT(rows.size(), 2u);
        EXPECT_EQ(rows[0], c.head);
        EXPECT_EQ(rows[1].substr(0, 2), "0,");
        if (c.rows != 0) {
            EXPECT_EQ(rows.size(), c.rows);
        }
        EXPECT_TRUE(rows.back().starts_with(c.last)) << rows.back();
        EXPECT_TRUE(std::all_of(rows.begin(), rows.end(), [](const std::string& row) {
            return std::count(row.begin(), row.end(), ',') == 1;
        }));
    }
}

// Both engines write the same columns and rows on stdout.
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

}  // namespace
}  // namespace vantor
