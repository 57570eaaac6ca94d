#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vantor {

struct CliContext {
    std::string program_dir;
    std::ostream& out;
    std::ostream& err;
};

// Each command takes its own arguments (after the command name) and returns the
// exit code. A FileError escaping a command is reported by the dispatcher.
int cmd_info(const CliContext& ctx, const std::vector<std::string>& args);
int cmd_resave(const CliContext& ctx, const std::vector<std::string>& args);
int cmd_causality(const CliContext& ctx, const std::vector<std::string>& args);
int cmd_generate(const CliContext& ctx, const std::vector<std::string>& args);
int cmd_edit(const CliContext& ctx, const std::vector<std::string>& args);
int cmd_render(const CliContext& ctx, const std::vector<std::string>& args);
int cmd_simulate(const CliContext& ctx, const std::vector<std::string>& args);
int cmd_equations(const CliContext& ctx, const std::vector<std::string>& args);

}  // namespace vantor
