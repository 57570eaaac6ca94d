#include "cli/command_io.h"

#include <algorithm>
#include <ostream>

#include "cli/cli.h"
#include "cli/display_text.h"
#include "model/file_error.h"
#include "model/file_saving.h"
#include "model/message_word.h"

namespace vantor {

void write_command_output(const CliContext& ctx, const std::string& path, std::string_view bytes) {
    if (path == kStandardOutput) {
        ctx.out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        ctx.out.flush();
        return;
    }
    save_file(path, bytes);
}

void check_outputs(const std::vector<std::string>& outputs,
                   const std::vector<CommandInput>& inputs) {
    for (const std::string& output : outputs) {
        if (output == kStandardOutput) continue;
        for (const CommandInput& input : inputs) {
            if (!input.path.empty() && same_file(output, input.path)) {
                throw FileError(output, "this is the " + std::string(input.what) +
                                            "'s own file; choose another name");
            }
        }
        check_can_save(output);
    }
}

std::optional<std::string> take_model_argument(const std::string& arg, std::string& model_path) {
    if (arg.size() > 1 && arg[0] == '-') return "unknown option \"" + message_word(arg) + "\"";
    if (!model_path.empty() || arg.empty())
        return "unexpected argument \"" + message_word(arg) + "\"";
    model_path = arg;
    return std::nullopt;
}

int usage_error(const CliContext& ctx, std::string_view problem, std::string_view usage) {
    print_error(ctx, problem);
    ctx.err << "usage: " << usage << "\n";
    return kExitUsage;
}

void print_error(const CliContext& ctx, std::string_view text) {
    ctx.err << "vantor-cli: " << escape_controls(text) << "\n";
}

std::vector<std::string> message_lines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        if (end > start) lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

}  // namespace vantor
