#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vantor {

// Exit codes of vantor-cli.
inline constexpr int kExitOk = 0;
inline constexpr int kExitModelProblem = 1;  // the command ran and reported a problem of the model
inline constexpr int kExitUsage = 2;         // bad usage, or a file that cannot be read or written

// Runs vantor-cli with `args` (without the program name). `default_program_dir`
// stands where --program-dir is not given.
int run_cli(const std::vector<std::string>& args, const std::string& default_program_dir,
            std::ostream& out, std::ostream& err);

}  // namespace vantor
