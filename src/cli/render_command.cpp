#include <ostream>

#include "causality/causality_commands.h"
#include "cli/cli.h"
#include "cli/command_io.h"
#include "cli/commands.h"
#include "cli/display_text.h"
#include "cli/offscreen_display.h"
#include "display/redraw.h"
#include "display/stored_int16.h"
#include "display/window_load.h"
#include "editor/window_causality.h"
#include "model/file_error.h"
#include "model/model_reader.h"
#include "paint/drawing_file.h"

namespace vantor {
namespace {

// Message boxes, answered at once, become report lines.
class PrintingHost : public EditorHost {
  public:
    explicit PrintingHost(std::ostream& report) : report_(report) {}
    void show_message(const std::string& text) override {
        report_ << "message: " << escape_controls(text) << "\n";
    }

  private:
    std::ostream& report_;
};

// A priority table that cannot be read stops the command as an error.
class RenderCausalityHost : public WindowCausalityHost {
  public:
    RenderCausalityHost(ModelWindow& window, AppState& app, EditorHost& host, const CliContext& ctx)
        : WindowCausalityHost(window, app, host), ctx_(ctx) {}
    void show_error(const std::string& text) override { print_error(ctx_, text); }
    void show_warning(const std::string& text) override { print_error(ctx_, "warning: " + text); }

  private:
    const CliContext& ctx_;
};

struct RenderArguments {
    std::string model_path;
    std::string out_path;
    bool assign = false;
    bool showp = false;
};

// The window as Open Model leaves it, with Show Parameters checked as the
// menu item checks it.
void open_window(ModelWindow& window, AppState& app, const RenderArguments& args) {
    init_model_window(window, 1);
    window.model = read_model_input(args.model_path);
    window.hasname = kTrue;
    try {
        show_loaded_model(window, app);
        if (args.showp) {
            window.menus.showp = true;
            // The first pass resizes the glyphs to their new captions, the
            // next ones put the bonds on the new sizes.
            for (int pass = 0; pass < 3; ++pass) refresco(window, app);
        }
    } catch (const Int16Overflow&) {
        throw FileError(args.model_path,
                        "a value overflows a 16-bit field as the window shows the model");
    }
    window.saved = kTrue;
}

}  // namespace

int cmd_render(const CliContext& ctx, const std::vector<std::string>& argv) {
    constexpr std::string_view kUsage =
        "vantor-cli render MODEL -o OUT.png|OUT.svg|OUT.pdf [--assign] [--show-parameters]";
    RenderArguments args;
    for (std::size_t i = 0; i < argv.size(); ++i) {
        const std::string& arg = argv[i];
        if (arg == "--assign") {
            args.assign = true;
        } else if (arg == "--show-parameters" || arg == "--showp") {
            args.showp = true;
        } else if (arg == "-o") {
            if (i + 1 == argv.size()) return usage_error(ctx, "-o needs a file", kUsage);
            args.out_path = argv[++i];
        } else if (const auto problem = take_model_argument(arg, args.model_path)) {
            return usage_error(ctx, *problem, kUsage);
        }
    }
    if (args.model_path.empty()) return usage_error(ctx, "render needs a MODEL", kUsage);
    if (args.out_path.empty()) return usage_error(ctx, "render needs -o OUT.png", kUsage);
    if (!paint::picture_format_of(args.out_path)) {
        return usage_error(ctx, "the output must end in .png, .svg or .pdf", kUsage);
    }

    check_outputs({args.out_path}, {{args.model_path, "model"}});

    AppState app;
    app.program_dir = ctx.program_dir;
    ModelWindow window;
    open_window(window, app, args);

    int code = kExitOk;
    if (args.assign) {
        PrintingHost printing(ctx.out);
        RenderCausalityHost causality(window, app, printing, ctx);
        switch (assign_Click(window, read_priority_tables(ctx.program_dir), causality)) {
            case AssignOutcome::kCompleted:
                break;
            case AssignOutcome::kCausalityError:
                // The picture shows the element in error, selected.
                code = kExitModelProblem;
                break;
            case AssignOutcome::kTableUnreadable:
                return kExitUsage;
        }
    }
    {
        const OffscreenGui gui;
        paint::write_drawing(window, args.out_path);
    }
    return code;
}

}  // namespace vantor
