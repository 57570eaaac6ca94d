#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.h"

namespace vantor {

// "-" names standard output.
inline constexpr std::string_view kStandardOutput = "-";

// Writes a command's output file: to standard output for "-", else whole or
// not at all. Throws FileError.
void write_command_output(const CliContext& ctx, const std::string& path, std::string_view bytes);

// A file a command reads, which none of its outputs may overwrite.
struct CommandInput {
    std::string path;
    std::string_view what;  // "model", "journal": names it in the message
};

// Refuses (FileError), before the command writes anything, an output that is
// one of its inputs (the same file under any name) or that cannot be saved.
void check_outputs(const std::vector<std::string>& outputs,
                   const std::vector<CommandInput>& inputs);

// Prints "vantor-cli: PROBLEM" and the command's usage line on stderr and
// returns the usage exit code.
int usage_error(const CliContext& ctx, std::string_view problem, std::string_view usage);

// An argument that is no option the command knows: the model's path when it
// has none yet, else what refuses it ("unknown option ...", "unexpected
// argument ...").
std::optional<std::string> take_model_argument(const std::string& arg, std::string& model_path);

// Prints "vantor-cli: TEXT" on stderr, with control bytes escaped so that no
// file or model text can move the cursor, reset the terminal or split a line.
void print_error(const CliContext& ctx, std::string_view text);

// A message box's text as terminal lines: split at its line breaks (CR, LF),
// blank lines left out.
std::vector<std::string> message_lines(std::string_view text);

}  // namespace vantor
