// What vantor-cli prints and writes for one command line is pinned by the
// command cases of tests/data/commands; here, what holds over every example.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "cli_run.h"
#include "model/file_reading.h"

namespace vantor {
namespace {

namespace fs = std::filesystem;

using test::temp_path;

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

}  // namespace
}  // namespace vantor
