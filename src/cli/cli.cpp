#include "cli/cli.h"

#include <exception>
#include <ostream>
#include <string>
#include <string_view>

#include "cli/command_io.h"
#include "cli/commands.h"
#include "cli/display_text.h"
#include "model/file_error.h"
#include "model/message_word.h"
#include "vantor_version.h"

namespace vantor {
namespace {

struct Command {
    std::string_view name;
    int (*run)(const CliContext&, const std::vector<std::string>&);
    std::string_view synopsis;     // after "vantor-cli "; continued lines indented
    std::string_view description;  // lines of at most 56 characters
};

constexpr Command kCommands[] = {
    {"info", cmd_info, "info MODEL", "list the elements and bonds of a model\n"},
    {"resave", cmd_resave, "resave IN OUT", "read model IN and write it to OUT (- for stdout)\n"},
    {"causality", cmd_causality, "causality [--extend | --undo] MODEL [-o OUT]",
     "Assign & Check Causality (or Extend, or Undo) with the\n"
     "priority tables of the program folder; prints the\n"
     "messages, then the selected elements; writes OUT\n"
     "(- for stdout, the messages then going to stderr)\n"},
    {"generate", cmd_generate, "generate MODEL [-o OUT] [--simulink 1|2|3] [--strict]",
     "Generate Simulink File with the templates of\n"
     "code1..code3 (default 3); OUT defaults to the model's\n"
     "name in lower case with \".m\", in this folder;\n"
     "- for stdout. The written file is read back and its\n"
     "problems printed as warnings; --strict exits 1 on any\n"},
    {"edit", cmd_edit,
     "edit (MODEL | --new) JOURNAL [-o OUT] [--state STATE.json]\n"
     "     [--window N]",
     "replay the editor events of JOURNAL on MODEL (or on a\n"
     "new model); prints each message box as \"message: TEXT\";\n"
     "writes the window's state as JSON to STATE.json and the\n"
     "model to OUT (- for stdout); a line that stops the\n"
     "replay writes nothing; --window N replays only the\n"
     "lines of window N of a recording\n"},
    {"render", cmd_render, "render MODEL -o OUT.png|OUT.svg|OUT.pdf [--assign] [--show-parameters]",
     "a picture of the model as its window draws it,\n"
     "cropped to the drawing; --assign runs Assign & Check\n"
     "Causality first (messages printed as \"message: TEXT\"),\n"
     "--show-parameters shows the parameters as Show\n"
     "Parameters does\n"},
    {"simulate", cmd_simulate,
     "simulate MODEL [--simulink 1|2|3] [--t-end T]\n"
     "         [--fixed-step DT | --rtol R --atol A] [--max-rows N]\n"
     "         [-o OUT.csv] [--plot OUT.png|svg]\n"
     "         [--engine diagram|equations]",
     "Run > Simulate: generates in memory and runs the\n"
     "diagram, or with --engine equations the model's state\n"
     "equations (Dormand-Prince 5(4) with the tolerances, or\n"
     "RK4 at a fixed step) until T (default: the model's stop\n"
     "time); writes every Scope input as CSV, row by row as it\n"
     "is computed, to OUT (default stdout, the messages then\n"
     "going to stderr) and the charts to a picture. At most N\n"
     "rows (default 100000000): a fixed step that needs more\n"
     "is refused, an adaptive run stops there. A signal that\n"
     "becomes infinite or NaN stops the run (exit 1)\n"},
    {"equations", cmd_equations,
     "equations MODEL [--format text|latex|matlab|json]\n"
     "          [--numeric] [-o OUT]",
     "the state equations of a model whose bonds all have\n"
     "causality: dx/dt = f(x, u, t) and the outputs, with\n"
     "A, B, C, D and the poles when they are linear; as text\n"
     "(the default), a LaTeX document, a MATLAB script or\n"
     "JSON; --numeric puts the parameter values in; to OUT\n"
     "(default stdout)\n"},
};

constexpr std::string_view kExitCodes =
    "exit codes: 0 success, 1 the model has a problem, 2 usage or file error\n";

// Every line of `text` after `indent`.
std::string indented(std::string_view text, std::string_view indent) {
    std::string out;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        out += indent;
        out += text.substr(0, end);
        out += '\n';
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return out;
}

std::string usage() {
    std::string text =
        "usage: vantor-cli [--program-dir DIR] COMMAND ARGS...\n"
        "       vantor-cli COMMAND --help\n"
        "\n"
        "commands:\n";
    for (const Command& command : kCommands) {
        text += indented(command.synopsis, "  ");
        text += indented(command.description, std::string(22, ' '));
    }
    text +=
        "\n"
        "options:\n"
        "  --program-dir DIR   the folder of the support files (library/, code1/..code3/);\n"
        "                      default: the folder of this program\n"
        "  -h, --help          show this text\n"
        "  --version           show the version and the licence\n"
        "\n";
    return text + std::string(kExitCodes);
}

std::string command_usage(const Command& command) {
    return "usage: vantor-cli [--program-dir DIR] " + indented(command.synopsis, "") + "\n" +
           std::string(command.description) + "\n" + std::string(kExitCodes);
}

const Command* find_command(std::string_view name) {
    for (const Command& command : kCommands) {
        if (command.name == name) return &command;
    }
    return nullptr;
}

bool is_help(std::string_view arg) {
    return arg == "-h" || arg == "--help";
}

}  // namespace

int run_cli(const std::vector<std::string>& args, const std::string& default_program_dir,
            std::ostream& out, std::ostream& err) {
    std::string program_dir = default_program_dir;
    std::vector<std::string> words;
    bool help = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (is_help(arg)) {
            help = true;
        } else if (arg == "--version" && words.empty()) {
            out << "vantor-cli " << kVersion << "\n" << kLicenceNotice;
            return kExitOk;
        } else if (arg == "--program-dir") {
            if (i + 1 == args.size()) {
                err << "vantor-cli: --program-dir needs a folder\n";
                return kExitUsage;
            }
            program_dir = args[++i];
        } else if (arg.rfind("--program-dir=", 0) == 0) {
            program_dir = arg.substr(std::string_view("--program-dir=").size());
        } else {
            words.push_back(arg);
        }
    }
    const Command* command = words.empty() ? nullptr : find_command(words.front());
    if (help) {
        out << (command != nullptr ? command_usage(*command) : usage());
        return kExitOk;
    }
    if (words.empty()) {
        err << usage();
        return kExitUsage;
    }
    if (command == nullptr) {
        err << "vantor-cli: unknown command \"" << escape_controls(message_word(words.front()))
            << "\"\n\n"
            << usage();
        return kExitUsage;
    }
    const CliContext ctx{program_dir, out, err};
    try {
        return command->run(ctx, std::vector<std::string>(words.begin() + 1, words.end()));
    } catch (const FileError& e) {
        print_error(ctx, e.what());
        return kExitUsage;
    } catch (const std::exception& e) {
        print_error(ctx, std::string("internal error: ") + e.what());
        return kExitUsage;
    }
}

}  // namespace vantor
