#include <ostream>

#include "cli/cli.h"
#include "cli/command_io.h"
#include "cli/commands.h"
#include "cli/print_selection.h"
#include "cli/report_host.h"
#include "cli/template_warnings.h"
#include "model/model_reader.h"
#include "model/text.h"
#include "simulink/generate.h"
#include "simulink/generation_problems.h"

namespace vantor {
namespace {

// -o (or the proposed name) answers the save dialog. With -o -, the script
// goes to stdout and takes its model name from the proposed file name.
class CliGenerationHost : public ReportHost<GenerationHost> {
  public:
    CliGenerationHost(const CliContext& ctx, std::ostream& report, std::string out_path)
        : ReportHost(ctx, report), out_path_(std::move(out_path)) {}
    std::optional<std::string> ask_save_file(const SaveDialogRequest& request) override {
        return out_path_.empty() || to_stdout() ? request.proposed_name : out_path_;
    }
    void set_busy(bool) override {}
    void write_output(const std::string& path, std::string_view bytes) override {
        write_command_output(context(), to_stdout() ? std::string(kStandardOutput) : path, bytes);
    }

  private:
    bool to_stdout() const { return out_path_ == kStandardOutput; }

    std::string out_path_;
};

int exit_code(const GenerateResult& result) {
    switch (result.outcome) {
        case GenerateOutcome::kWritten:
        case GenerateOutcome::kCancelled:
            return kExitOk;
        case GenerateOutcome::kNotCausal:
        case GenerateOutcome::kRefused:
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
    constexpr std::string_view kUsage =
        "vantor-cli generate MODEL [-o OUT] [--simulink 1|2|3] [--strict]";
    std::string model_path;
    std::string out_path;
    int version = 3;
    bool strict = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "-o") {
            if (i + 1 == args.size())
                return usage_error(ctx, "-o needs a file (- for stdout)", kUsage);
            out_path = args[++i];
        } else if (arg == "--simulink") {
            const std::string v = i + 1 < args.size() ? args[++i] : std::string();
            if (v != "1" && v != "2" && v != "3") {
                return usage_error(ctx, "--simulink takes 1, 2 or 3", kUsage);
            }
            version = v[0] - '0';
        } else if (arg == "--strict") {
            strict = true;
        } else if (const auto problem = take_model_argument(arg, model_path)) {
            return usage_error(ctx, *problem, kUsage);
        }
    }
    if (model_path.empty()) return usage_error(ctx, "generate needs a MODEL", kUsage);
    if (!out_path.empty()) check_outputs({out_path}, {{model_path, "model"}});

    ModelWindowState window;
    window.model = read_model_input(model_path);
    window.hasname = kTrue;
    std::ostream& report = out_path == kStandardOutput ? ctx.err : ctx.out;
    CliGenerationHost host(ctx, report, out_path);
    const GenerateResult result = generate_Click(
        window, {ctx.program_dir, version, nombrecorto(model_path), model_path}, host);
    print_selection(report, window.model);
    print_missing_templates(ctx, version, result.missing_templates);
    // The file stays written: the problems are the templates' and the user
    // may still want to look at what they made.
    for (const std::string& line : problem_lines(window.model, result.problems)) {
        print_error(ctx, line);
    }
    // A missing template leaves its elements out of the file.
    if (strict && (!result.problems.empty() || !result.missing_templates.empty()))
        return kExitModelProblem;
    return exit_code(result);
}

}  // namespace vantor
