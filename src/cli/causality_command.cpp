#include <ostream>

#include "causality/causality_commands.h"
#include "cli/cli.h"
#include "cli/commands.h"
#include "cli/print_selection.h"
#include "model/model_reader.h"
#include "model/model_writer.h"

namespace vantor {
namespace {

// Message boxes become lines on stdout; there is nothing to colour or repaint.
class PrintingHost : public CausalityHost {
  public:
    explicit PrintingHost(std::ostream& out) : out_(out) {}
    void show_message(const std::string& text) override { out_ << text << "\n"; }
    void selection_changed(int) override {}
    void redraw() override {}

  private:
    std::ostream& out_;
};

}  // namespace

int cmd_causality(const CliContext& ctx, const std::vector<std::string>& args) {
    enum class Mode { kAssign, kExtend, kUndo } mode = Mode::kAssign;
    std::string model_path;
    std::string out_path;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--extend") {
            mode = Mode::kExtend;
        } else if (args[i] == "--undo") {
            mode = Mode::kUndo;
        } else if (args[i] == "-o" && i + 1 < args.size()) {
            out_path = args[++i];
        } else if (model_path.empty() && !args[i].empty() && args[i][0] != '-') {
            model_path = args[i];
        } else {
            model_path.clear();
            break;
        }
    }
    if (model_path.empty()) {
        ctx.err << "vantor-cli: usage: vantor-cli causality [--extend | --undo] MODEL [-o OUT]\n";
        return kExitUsage;
    }

    ModelWindowState window;
    leerarchivo(window, model_path);
    PrintingHost host(ctx.out);
    int code = kExitOk;
    switch (mode) {
        case Mode::kAssign:
            switch (assign_Click(window, ctx.program_dir, host)) {
                case AssignOutcome::kCompleted:
                    break;
                case AssignOutcome::kCausalityError:
                    code = kExitModelProblem;
                    break;
                case AssignOutcome::kTableUnreadable:
                    ctx.err << "vantor-cli: a priority table of " << ctx.program_dir
                            << "/library cannot be read\n";
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

    print_selection(ctx.out, window.model);
    if (!out_path.empty()) write_model_file(out_path, window.model);
    return code;
}

}  // namespace vantor
