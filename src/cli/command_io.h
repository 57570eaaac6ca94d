#pragma once

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

// Prints "vantor-cli: PROBLEM" and the command's usage line on stderr and
// returns the usage exit code.
int usage_error(const CliContext& ctx, std::string_view problem, std::string_view usage);

// Prints "vantor-cli: TEXT" on stderr, with control bytes escaped so that no
// file or model text can move the cursor, reset the terminal or split a line.
void print_error(const CliContext& ctx, std::string_view text);

// A message box's text as terminal lines: split at its line breaks (CR, LF),
// blank lines left out.
std::vector<std::string> message_lines(std::string_view text);

}  // namespace vantor
