// Every format of the equations, on stdout and in a file alike.
#include <gtest/gtest.h>

#include "cli/cli.h"
#include "cli_run.h"
#include "equations/json_reader.h"
#include "model/file_reading.h"

namespace vantor {
namespace {

using test::CliRun;
using test::run;
using test::temp_path;

const std::string kRlc = std::string(VANTOR_EXAMPLES_DIR) + "/series_rlc.bgf";

// The derivation's stand-in refuses every model with this text; the tests of
// real models wait for the derivation.
bool derivation_missing(const CliRun& r) {
    return r.err.find("not derived yet") != std::string::npos;
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
