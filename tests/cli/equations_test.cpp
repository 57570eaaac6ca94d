#include <gtest/gtest.h>

#include <filesystem>

#include "cli/cli.h"
#include "cli_run.h"
#include "equations/json_reader.h"
#include "model/file_reading.h"

namespace vantor {
namespace {

namespace fs = std::filesystem;

using test::CliRun;
using test::run;
using test::temp_path;

const std::string kRlc = std::string(VANTOR_EXAMPLES_DIR) + "/series_rlc.bgf";

TEST(CliEquations, UsageErrorsSayWhyAndWriteNothing) {
    const std::string out = temp_path("never.txt");
    const struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"equations"}, "equations needs a MODEL"},
        {{"equations", kRlc, "--format", "pdf", "-o", out},
         "--format takes text, latex, matlab or json"},
        {{"equations", kRlc, "--format"}, "--format takes"},
        {{"equations", kRlc, "-o"}, "-o needs a file"},
        {{"equations", kRlc, "--bogus"}, "unknown option \"--bogus\""},
        {{"equations", kRlc, "second.bgf"}, "unexpected argument \"second.bgf\""},
        {{"equations", temp_path("missing.bgf"), "-o", out}, "missing.bgf"},
        {{"equations", kRlc, "-o", kRlc}, "this is the model's own file"},
    };
    for (const auto& c : cases) {
        const CliRun r = run(c.args);
        EXPECT_EQ(r.code, kExitUsage) << c.message;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty());
    }
    EXPECT_FALSE(fs::exists(out));
    const CliRun help = run({"equations", "--help"});
    EXPECT_EQ(help.code, kExitOk);
    EXPECT_NE(help.out.find("equations MODEL [--format text|latex|matlab|json]"),
              std::string::npos);
}

// The derivation's stand-in refuses every model with this text; the tests of
// real models wait for the derivation.
bool derivation_missing(const CliRun& r) {
    return r.err.find("not derived yet") != std::string::npos;
}

TEST(CliEquations, AModelWithoutCausalityGetsGeneratesMessage) {
    const std::string out = temp_path("refused.txt");
    const CliRun r = run({"equations", kRlc, "-o", out});
    // A refused derivation is the model's problem and writes nothing.
    EXPECT_EQ(r.code, kExitModelProblem);
    EXPECT_TRUE(r.out.empty());
    EXPECT_FALSE(fs::exists(out));
    if (derivation_missing(r)) GTEST_SKIP() << "the derivation is not in this build";
    EXPECT_EQ(r.err, "vantor-cli: You must assign causality before converting\n");
}

TEST(CliEquations, EveryFormatOfACausalModel) {
    const std::string causal = temp_path("rlc.bgf");
    ASSERT_EQ(run({"--program-dir", VANTOR_DATA_DIR, "causality", kRlc, "-o", causal}).code,
              kExitOk);
    if (derivation_missing(run({"equations", causal})))
        GTEST_SKIP() << "the derivation is not in this build";
    for (const char* format : {"text", "latex", "matlab", "json"}) {
        for (const bool numeric : {false, true}) {
            std::vector<std::string> args = {"equations", causal, "--format", format};
            if (numeric) args.push_back("--numeric");
            const CliRun shown = run(args);
            ASSERT_EQ(shown.code, kExitOk) << format << shown.err;
            const std::string out = temp_path(std::string("rlc.") + format);
            args.insert(args.end(), {"-o", out});
            const CliRun written = run(args);
            EXPECT_EQ(written.code, kExitOk) << written.err;
            EXPECT_TRUE(written.out.empty());
            EXPECT_EQ(read_whole_file(out), shown.out) << format;
        }
    }
    const CliRun json = run({"equations", causal, "--format", "json", "--numeric"});
    const equations::test::Json j = equations::test::JsonReader(json.out).document();
    EXPECT_EQ(j["states"].items.size(), 2u);
    EXPECT_TRUE(j["linear"].flag);
    ASSERT_EQ(j["poles"].items.size(), 2u);
    EXPECT_LT(j["poles"][0]["re"].number, 0);
}

}  // namespace
}  // namespace vantor
