// Outputs that would overwrite an input, outputs of a failing command, and
// messages about odd arguments and journal words, through the whole CLI.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "cli_run.h"
#include "model/file_reading.h"
#include "model/file_saving.h"

namespace vantor {
namespace {

namespace fs = std::filesystem;
using test::CliRun;
using test::run;

const std::string kExamples = VANTOR_EXAMPLES_DIR;
const std::string kData = VANTOR_DATA_DIR;

struct Case {
    const char* name;
    std::vector<std::string> args;
    int code;
    std::string says;       // a fragment of stderr
    std::string untouched;  // a file of the folder that keeps its bytes, or ""
    std::string absent;     // a file of the folder the command must not write, or ""
};

TEST(CliOutputs, RefusedOverInputsWrittenOnlyOnSuccessAndNamedReadably) {
    const std::string dir = test::scratch_dir() + "outputs/";
    fs::remove_all(dir);
    fs::create_directories(dir);
    const std::string model_text = read_whole_file(kExamples + "/two_junctions.bgf");
    for (const char* name : {"m.bgf", "m.png"}) save_file(dir + name, model_text);
    fs::create_hard_link(dir + "m.png", dir + "alias.png");
    save_file(dir + "long.jnl", "menu " + std::string(1 << 20, 'a') + "\n");
    fs::create_symlink(dir + "nowhere/x.bgf", dir + "dangling.bgf");
    fs::create_symlink(dir + "loop2.bgf", dir + "loop1.bgf");
    fs::create_symlink(dir + "loop1.bgf", dir + "loop2.bgf");

    const std::string own = "this is the model's own file; choose another name";
    const std::string& d = dir;
    const std::string megabyte_arg(1 << 20, 'b');
    // One row a case.
    // clang-format off
    const std::vector<Case> cases = {
        {"render over its model under another name", {"render", d + "m.png", "-o", d + "alias.png"},
         kExitUsage, own, "m.png", ""},
        {"an empty output name", {"resave", d + "m.bgf", ""}, kExitUsage,
         "vantor-cli: \"\" (an empty file name): cannot write", "", ""},
        {"an empty input name", {"resave", "", d + "out.bgf"}, kExitUsage,
         "vantor-cli: \"\" (an empty file name): ", "", "out.bgf"},
        {"a link that leads nowhere", {"resave", d + "m.bgf", d + "dangling.bgf"}, kExitUsage,
         "dangling.bgf: cannot write: the link leads to no file", "", ""},
        {"links that loop", {"resave", d + "m.bgf", d + "loop1.bgf"}, kExitUsage,
         "loop1.bgf: cannot write: Too many levels of symbolic links", "", ""},
        {"a word of a megabyte", {"edit", d + "m.bgf", d + "long.jnl"}, kExitUsage,
         "unknown item \"" + std::string(200, 'a') + "\u2026\"", "", ""},
        {"an argument of a megabyte", {"resave", d + "m.bgf", d + "out.bgf", megabyte_arg},
         kExitUsage, "unexpected argument \"" + std::string(200, 'b') + "\u2026\"", "", "out.bgf"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(dir + "out.bgf");
        const std::string before = c.untouched.empty() ? "" : read_whole_file(dir + c.untouched);
        std::vector<std::string> args = c.args;
        args.insert(args.begin(), {"--program-dir", kData});
        const CliRun r = run(args);
        EXPECT_EQ(r.code, c.code) << r.err;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
        EXPECT_LT(r.err.size(), 2000u);
        if (!c.untouched.empty()) {
            EXPECT_EQ(read_whole_file(dir + c.untouched), before);
        }
        if (!c.absent.empty()) {
            EXPECT_FALSE(fs::exists(dir + c.absent));
        }
    }
    // The links stay links; nothing was put in their place.
    EXPECT_TRUE(fs::is_symlink(dir + "dangling.bgf"));
    EXPECT_TRUE(fs::is_symlink(dir + "loop1.bgf"));
    EXPECT_FALSE(fs::exists(dir + "nowhere"));
}

}  // namespace
}  // namespace vantor
