#include <ostream>

#include "cli/cli.h"
#include "cli/commands.h"
#include "cli/print_selection.h"
#include "model/model_reader.h"
#include "model/text.h"
#include "simulink/generate.h"

namespace vantor {
namespace {

// Message boxes become lines on stdout; -o (or the proposed name) answers the
// save dialog.
class CliGenerationHost : public GenerationHost {
  public:
    CliGenerationHost(std::ostream& out, std::string out_path)
        : out_(out), out_path_(std::move(out_path)) {}
    void show_message(const std::string& text) override { out_ << text << "\n"; }
    void selection_changed(int) override {}
    void redraw() override {}
    std::optional<std::string> ask_save_file(const SaveDialogRequest& request) override {
        return out_path_.empty() ? request.proposed_name : out_path_;
    }
    void set_busy(bool) override {}

  private:
    std::ostream& out_;
    std::string out_path_;
};

int exit_code(const GenerateResult& result) {
    switch (result.outcome) {
        case GenerateOutcome::kWritten:
        case GenerateOutcome::kCancelled:
            return kExitOk;
        case GenerateOutcome::kNotCausal:
            return kExitModelProblem;
        case GenerateOutcome::kStopped:
            return result.assign == AssignOutcome::kTableUnreadable ? kExitUsage
                                                                    : kExitModelProblem;
        case GenerateOutcome::kFailed:
            return kExitUsage;
    }
    return kExitUsage;
}

}  // namespace

int cmd_generate(const CliContext& ctx, const std::vector<std::string>& args) {
    std::string model_path;
    std::string out_path;
    int version = 3;
    bool usage_error = false;
    for (std::size_t i = 0; i < args.size() && !usage_error; ++i) {
        if (args[i] == "-o" && i + 1 < args.size()) {
            out_path = args[++i];
        } else if (args[i] == "--simulink" && i + 1 < args.size()) {
            const std::string& v = args[++i];
            usage_error = v != "1" && v != "2" && v != "3";
            version = usage_error ? 0 : v[0] - '0';
        } else if (model_path.empty() && !args[i].empty() && args[i][0] != '-') {
            model_path = args[i];
        } else {
            usage_error = true;
        }
    }
    if (usage_error || model_path.empty()) {
        ctx.err << "vantor-cli: usage: vantor-cli generate MODEL [-o OUT] [--simulink 1|2|3]\n";
        return kExitUsage;
    }

    ModelWindowState window;
    leerarchivo(window, model_path);
    CliGenerationHost host(ctx.out, out_path);
    const GenerateResult result =
        generate_Click(window, {ctx.program_dir, version, nombrecorto(model_path)}, host);
    print_selection(ctx.out, window.model);
    for (const std::string& name : result.missing_templates) {
        ctx.err << "vantor-cli: warning: no template " << ctx.program_dir << "/code" << version
                << "/" << name << "\n";
    }
    if (result.outcome == GenerateOutcome::kStopped &&
        result.assign == AssignOutcome::kTableUnreadable) {
        ctx.err << "vantor-cli: a priority table of " << ctx.program_dir
                << "/library cannot be read\n";
    }
    return exit_code(result);
}

}  // namespace vantor
