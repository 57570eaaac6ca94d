#include "cli/template_warnings.h"

#include "cli/command_io.h"
#include "cli/display_text.h"

namespace vantor {

void print_missing_templates(const CliContext& ctx, int simulink_version,
                             const std::set<std::string>& names) {
    for (const std::string& name : names) {
        print_error(ctx, "warning: no template " + ctx.program_dir + "/code" +
                             std::to_string(simulink_version) + "/" + display_text(name));
    }
}

}  // namespace vantor
