#include <charconv>
#include <ostream>

#include "cli/cli.h"
#include "cli/command_io.h"
#include "cli/commands.h"
#include "cli/display_text.h"
#include "display/stored_int16.h"
#include "display/window_load.h"
#include "journal/replay.h"
#include "journal/state_file.h"
#include "model/file_error.h"
#include "model/file_saving.h"
#include "model/message_word.h"
#include "model/model_reader.h"
#include "model/model_writer.h"

namespace vantor {
namespace {

// Message boxes, answered at once, become report lines.
class PrintingEditorHost : public EditorHost {
  public:
    explicit PrintingEditorHost(std::ostream& report) : report_(report) {}
    void show_message(const std::string& text) override {
        report_ << "message: " << escape_controls(text) << "\n";
    }

  private:
    std::ostream& report_;
};

struct EditArguments {
    bool new_model = false;
    std::string model_path;
    std::string journal_path;
    std::string out_path;
    std::string state_path;
    int window = 0;  // a recording's window to replay; 0: every line
};

constexpr const char* kShownOverflow =
    "a value overflows a 16-bit field as the window shows the model";

// The window as Open Model (or New Model) leaves it.
void open_window(ModelWindow& window, AppState& app, const EditArguments& args) {
    init_model_window(window, 1);
    if (!args.new_model) {
        window.model = read_model_input(args.model_path);
        window.hasname = kTrue;
        // Showing the model runs the redraw, which may find a port or a bond
        // end that a 16-bit field cannot hold: a fault of the file.
        try {
            show_loaded_model(window, app);
        } catch (const Int16Overflow&) {
            throw FileError(args.model_path, kShownOverflow);
        }
    }
    window.saved = kTrue;
}

}  // namespace

int cmd_edit(const CliContext& ctx, const std::vector<std::string>& argv) {
    constexpr std::string_view kUsage =
        "vantor-cli edit (MODEL | --new) JOURNAL [-o OUT] [--state STATE.json] [--window N]";
    EditArguments args;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < argv.size(); ++i) {
        const std::string& arg = argv[i];
        if (arg == "--new") {
            args.new_model = true;
        } else if (arg == "-o" || arg == "--state") {
            if (i + 1 == argv.size()) {
                return usage_error(ctx, arg + " needs a file (- for stdout)", kUsage);
            }
            (arg == "-o" ? args.out_path : args.state_path) = argv[++i];
        } else if (arg == "--window") {
            if (i + 1 == argv.size()) return usage_error(ctx, "--window needs a number", kUsage);
            const std::string& n = argv[++i];
            const auto [end, ec] = std::from_chars(n.data(), n.data() + n.size(), args.window);
            if (ec != std::errc() || end != n.data() + n.size() || args.window < 1) {
                return usage_error(
                    ctx, "--window: \"" + message_word(n) + "\" is not a window number", kUsage);
            }
        } else if (arg.size() > 1 && arg[0] == '-') {
            return usage_error(ctx, "unknown option \"" + message_word(arg) + "\"", kUsage);
        } else if (files.size() < (args.new_model ? 1u : 2u) && !arg.empty()) {
            files.push_back(arg);
        } else {
            return usage_error(ctx, "unexpected argument \"" + message_word(arg) + "\"", kUsage);
        }
    }
    if (files.size() != (args.new_model ? 1u : 2u)) {
        return usage_error(ctx, "edit needs MODEL (or --new) and JOURNAL", kUsage);
    }
    if (args.out_path == kStandardOutput && args.state_path == kStandardOutput) {
        return usage_error(ctx, "-o and --state cannot both be -", kUsage);
    }
    if (!args.new_model) args.model_path = files[0];
    args.journal_path = files.back();
    std::vector<std::string> outputs;
    for (const std::string& path : {args.out_path, args.state_path}) {
        if (!path.empty()) outputs.push_back(path);
    }
    if (outputs.size() == 2 && outputs[0] != kStandardOutput &&
        (outputs[0] == outputs[1] || same_file(outputs[0], outputs[1]))) {
        return usage_error(ctx, "-o and --state name the same file", kUsage);
    }
    // Both outputs are checked before either is written: a failing command writes nothing.
    check_outputs(outputs, {{args.model_path, "model"}, {args.journal_path, "journal"}});

    // With a file going to stdout, the messages go to stderr.
    const bool stdout_taken =
        args.out_path == kStandardOutput || args.state_path == kStandardOutput;
    PrintingEditorHost host(stdout_taken ? ctx.err : ctx.out);
    AppState app;
    app.program_dir = ctx.program_dir;
    ModelWindow window;
    try {
        const Journal journal = read_journal_file(args.journal_path, args.window);
        open_window(window, app, args);
        replay_journal(window, app, host, journal);
    } catch (const JournalError& e) {
        print_error(ctx, e.what());
        return kExitUsage;
    }
    if (!args.state_path.empty()) {
        write_command_output(ctx, args.state_path, format_state_file(window, app));
    }
    if (!args.out_path.empty()) {
        write_command_output(ctx, args.out_path, format_model(window.model));
    }
    return kExitOk;
}

}  // namespace vantor
