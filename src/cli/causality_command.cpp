#include <ostream>

#include "causality/causality_commands.h"
#include "cli/cli.h"
#include "cli/command_io.h"
#include "cli/commands.h"
#include "cli/print_selection.h"
#include "model/model_reader.h"
#include "model/model_writer.h"

namespace vantor {
namespace {

// Message boxes become lines of the report, errors lines on stderr; there is
// nothing to colour or repaint.
class PrintingHost : public CausalityHost {
  public:
    PrintingHost(const CliContext& ctx, std::ostream& report) : ctx_(ctx), report_(report) {}
    void show_message(const std::string& text) override { report_ << text << "\n"; }
    void show_error(const std::string& text) override { print_error(ctx_, text); }
    void show_warning(const std::string& text) override { print_error(ctx_, "warning: " + text); }
    void selection_changed(int) override {}
    void redraw() override {}

  private:
    const CliContext& ctx_;
    std::ostream& report_;
};

}  // namespace

int cmd_causality(const CliContext& ctx, const std::vector<std::string>& args) {
    constexpr std::string_view kUsage = "vantor-cli causality [--extend | --undo] MODEL [-o OUT]";
    enum class Mode { kAssign, kExtend, kUndo } mode = Mode::kAssign;
    std::string model_path;
    std::string out_path;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--extend") {
            mode = Mode::kExtend;
        } else if (arg == "--undo") {
            mode = Mode::kUndo;
        } else if (arg == "-o") {
            if (i + 1 == args.size())
                return usage_error(ctx, "-o needs a file (- for stdout)", kUsage);
            out_path = args[++i];
        } else if (const auto problem = take_model_argument(arg, model_path)) {
            return usage_error(ctx, *problem, kUsage);
        }
    }
    if (model_path.empty()) return usage_error(ctx, "causality needs a MODEL", kUsage);

    ModelWindowState window;
    if (!out_path.empty()) check_outputs({out_path}, {{model_path, "model"}});
    window.model = read_model_input(model_path);
    window.hasname = kTrue;
    // With the model going to stdout, the report goes to stderr.
    std::ostream& report = out_path == kStandardOutput ? ctx.err : ctx.out;
    PrintingHost host(ctx, report);
    int code = kExitOk;
    switch (mode) {
        case Mode::kAssign:
            switch (assign_Click(window, read_priority_tables(ctx.program_dir), host)) {
                case AssignOutcome::kCompleted:
                    break;
                case AssignOutcome::kCausalityError:
                    code = kExitModelProblem;
                    break;
                case AssignOutcome::kTableUnreadable:
                    code = kExitUsage;
                    break;
            }
            break;
        case Mode::kExtend:
            extend_Click(window, host);
            if (window.causerr != kFalse) code = kExitModelProblem;
            break;
        case Mode::kUndo:
            Undo_Click(window, host);
            break;
    }

    print_selection(report, window.model);
    // A command stopped by an unreadable table has nothing to write.
    if (!out_path.empty() && code != kExitUsage) {
        write_command_output(ctx, out_path, format_model(window.model));
    }
    return code;
}

}  // namespace vantor
