#include "cli/command_io.h"

#include <ostream>

#include "cli/cli.h"
#include "cli/display_text.h"
#include "model/file_saving.h"

namespace vantor {

void write_command_output(const CliContext& ctx, const std::string& path, std::string_view bytes) {
    if (path == kStandardOutput) {
        ctx.out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        ctx.out.flush();
        return;
    }
    save_file(path, bytes);
}

int usage_error(const CliContext& ctx, std::string_view problem, std::string_view usage) {
    print_error(ctx, problem);
    ctx.err << "usage: " << usage << "\n";
    return kExitUsage;
}

void print_error(const CliContext& ctx, std::string_view text) {
    ctx.err << "vantor-cli: " << escape_controls(text) << "\n";
}

}  // namespace vantor
