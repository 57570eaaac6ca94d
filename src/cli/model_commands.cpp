#include <ostream>

#include "cli/cli.h"
#include "cli/command_io.h"
#include "cli/commands.h"
#include "cli/display_text.h"
#include "model/message_word.h"
#include "model/model_reader.h"
#include "model/model_writer.h"

namespace vantor {

int cmd_info(const CliContext& ctx, const std::vector<std::string>& args) {
    constexpr std::string_view kUsage = "vantor-cli info MODEL";
    if (args.empty()) return usage_error(ctx, "info needs a MODEL", kUsage);
    if (args.size() > 1)
        return usage_error(ctx, "unexpected argument \"" + message_word(args[1]) + "\"", kUsage);
    const Model model = read_model_input(args[0]);
    ctx.out << "elements: " << model.nobj << "\n"
            << "bonds: " << model.nlin << "\n";
    for (int i = 1; i <= model.nobj; ++i) {
        const ObjRecord& obj = model.objs[i];
        ctx.out << "element " << i << ": type \"" << display_text(obj.type.raw()) << "\" caption \""
                << display_text(obj.caption.trimmed()) << "\" top " << obj.top << " left "
                << obj.left << "\n";
    }
    for (int j = 1; j <= model.nlin; ++j) {
        const LineRecord& bond = model.lines[j];
        ctx.out << "bond " << j << ": causa " << bond.causa << " obj1 " << bond.obj1 << " obj2 "
                << bond.obj2 << "\n";
    }
    return kExitOk;
}

int cmd_resave(const CliContext& ctx, const std::vector<std::string>& args) {
    constexpr std::string_view kUsage = "vantor-cli resave IN OUT";
    if (args.size() < 2) return usage_error(ctx, "resave needs IN and OUT", kUsage);
    if (args.size() > 2)
        return usage_error(ctx, "unexpected argument \"" + message_word(args[2]) + "\"", kUsage);
    check_outputs({args[1]}, {{args[0], "model"}});
    write_command_output(ctx, args[1], format_model(read_model_input(args[0])));
    return kExitOk;
}

}  // namespace vantor
