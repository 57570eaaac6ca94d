// The MATLAB link through xdotool, with a runner that records the commands.
#include "simulink/matlab_link.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

using Argv = std::vector<std::string>;

class FakeRunner : public ProcessRunner {
  public:
    ProcessResult run(const Argv& argv) override {
        calls.push_back(argv);
        if (argv.size() > 1 && argv[1] == "search") return search;
        return {true, activate_fails && argv[1] == "windowactivate" ? 1 : 0, ""};
    }
    std::vector<Argv> calls;
    ProcessResult search{true, 0, "41943047\n52428807\n"};
    bool activate_fails = false;
};

const Argv kSearch = {"xdotool", "search", "--name", "^MATLAB Command Window$"};

// The first window is activated before each command, which is typed; without
// xdotool or a window nothing is sent.
TEST(XdotoolMatlabLink, TypesEachCommandIntoTheFirstWindowOrSendsNothing) {
    FakeRunner runner;
    XdotoolMatlabLink link(runner);
    EXPECT_EQ(link.type_commands({"simulink", "subsist"}), "");
    const std::vector<Argv> expected = {
        kSearch,
        {"xdotool", "windowactivate", "--sync", "41943047"},
        {"xdotool", "type", "--", "simulink"},
        {"xdotool", "key", "Return"},
        {"xdotool", "windowactivate", "--sync", "41943047"},
        {"xdotool", "type", "--", "subsist"},
        {"xdotool", "key", "Return"},
    };
    EXPECT_EQ(runner.calls, expected);

    const struct {
        const char* name;
        ProcessResult search;
        bool activate_fails;
        const char* message;
        std::size_t calls;
    } rows[] = {
        {"no xdotool", {false, 0, ""}, false, kNoXdotool, 1},
        {"no window", {true, 1, ""}, false, kNoMatlabWindow, 1},
        {"empty list", {true, 0, "\n"}, false, kNoMatlabWindow, 1},
        {"window gone", {true, 0, "7\n"}, true, kNoMatlabWindow, 2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        runner.calls.clear();
        runner.search = row.search;
        runner.activate_fails = row.activate_fails;
        EXPECT_EQ(link.type_commands({"simulink", "subsist"}), row.message);
        EXPECT_EQ(runner.calls.size(), row.calls);
    }
}

}  // namespace
}  // namespace vantor
