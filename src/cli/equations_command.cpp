#include <stdexcept>

#include "cli/cli.h"
#include "cli/command_io.h"
#include "cli/commands.h"
#include "equations/analysis.h"
#include "equations/equation_system.h"
#include "equations/formats.h"
#include "model/file_error.h"
#include "model/model_reader.h"
#include "model/text.h"

namespace vantor {

int cmd_equations(const CliContext& ctx, const std::vector<std::string>& args) {
    constexpr std::string_view kUsage =
        "vantor-cli equations MODEL [--format text|latex|matlab|json] [--numeric] [-o OUT]";
    std::string model_path;
    std::string out_path;
    equations::Format format = equations::Format::kText;
    equations::FormatOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "-o") {
            if (i + 1 == args.size())
                return usage_error(ctx, "-o needs a file (- for stdout)", kUsage);
            out_path = args[++i];
        } else if (arg == "--format") {
            const auto parsed = equations::parse_format(i + 1 < args.size() ? args[++i] : "");
            if (!parsed)
                return usage_error(ctx, "--format takes text, latex, matlab or json", kUsage);
            format = *parsed;
        } else if (arg == "--numeric") {
            options.numeric = true;
        } else if (const auto problem = take_model_argument(arg, model_path)) {
            return usage_error(ctx, *problem, kUsage);
        }
    }
    if (model_path.empty()) return usage_error(ctx, "equations needs a MODEL", kUsage);
    if (!out_path.empty()) check_outputs({out_path}, {{model_path, "model"}});

    const Model model = read_model_input(model_path);
    options.title = nombrecorto(model_path);
    std::string text;
    // What the derivation or a numeric form refuses is the model's problem,
    // as Generate's refusals are; files stay the dispatcher's.
    try {
        const equations::EquationSystem system = equations::derive_equations(model);
        text = equations::format_equations(format, system, equations::analyse(system), options);
    } catch (const FileError&) {
        throw;
    } catch (const std::runtime_error& e) {
        for (const std::string& line : message_lines(e.what())) print_error(ctx, line);
        return kExitModelProblem;
    }
    write_command_output(ctx, out_path.empty() ? std::string(kStandardOutput) : out_path, text);
    return kExitOk;
}

}  // namespace vantor
