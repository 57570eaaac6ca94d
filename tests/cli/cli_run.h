#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "test_scratch.h"

namespace vantor::test {

struct CliRun {
    int code;
    std::string out;
    std::string err;
};

// vantor-cli in this process, with its output captured.
inline CliRun run(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = run_cli(args, "/nonexistent/program", out, err);
    return {code, out.str(), err.str()};
}

inline std::string temp_path(const std::string& name) {
    return scratch_dir() + name;
}

}  // namespace vantor::test
