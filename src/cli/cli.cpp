#include "cli/cli.h"

#include <exception>
#include <ostream>
#include <string_view>

#include "cli/command_io.h"
#include "cli/commands.h"
#include "cli/display_text.h"
#include "model/file_error.h"

namespace vantor {
namespace {

constexpr std::string_view kUsage =
    "usage: vantor-cli [--program-dir DIR] COMMAND ARGS...\n"
    "\n"
    "commands:\n"
    "  info MODEL          list the elements and bonds of a model\n"
    "  resave IN OUT       read model IN and write it to OUT (- for stdout)\n"
    "  causality [--extend | --undo] MODEL [-o OUT]\n"
    "                      Assign & Check Causality (or Extend, or Undo) with the\n"
    "                      priority tables of the program folder; prints the\n"
    "                      messages, then the selected elements; writes OUT\n"
    "                      (- for stdout, the messages then going to stderr)\n"
    "  generate MODEL [-o OUT] [--simulink 1|2|3] [--strict]\n"
    "                      Generate Simulink File with the templates of\n"
    "                      code1..code3 (default 3); OUT defaults to the model's\n"
    "                      name in lower case with \".m\", in this folder;\n"
    "                      - for stdout. The written file is read back and its\n"
    "                      problems printed as warnings; --strict exits 1 on any\n"
    "  simulate MODEL [--simulink 1|2|3] [--t-end T]\n"
    "           [--fixed-step DT | --rtol R --atol A] [-o OUT.csv] [--plot OUT.png|svg]\n"
    "                      Run > Simulate: generates in memory and runs the\n"
    "                      diagram (Dormand-Prince 5(4) with the tolerances, or\n"
    "                      RK4 at a fixed step) until T (default: the model's stop\n"
    "                      time); writes every Scope input as CSV to OUT (default\n"
    "                      stdout, the messages then going to stderr) and the\n"
    "                      charts to a picture\n"
    "  edit (MODEL | --new) JOURNAL [-o OUT] [--state STATE.json]\n"
    "                      replay the editor events of JOURNAL on MODEL (or on a\n"
    "                      new model); prints each message box as \"message: TEXT\";\n"
    "                      writes the window's state as JSON to STATE.json and the\n"
    "                      model to OUT (- for stdout); a line that stops the\n"
    "                      replay writes nothing\n"
    "  render MODEL -o OUT.png|OUT.svg|OUT.pdf [--assign] [--show-parameters]\n"
    "                      a PNG picture of the model as its window draws it,\n"
    "                      cropped to the drawing; --assign runs Assign & Check\n"
    "                      Causality first (messages printed as \"message: TEXT\"),\n"
    "                      --showp shows the parameters as Show Parameters does\n"
    "\n"
    "options:\n"
    "  --program-dir DIR   the folder of the support files (library/, code1/..code3/);\n"
    "                      default: the folder of this program\n"
    "  -h, --help          show this text\n"
    "\n"
    "exit codes: 0 success, 1 the model has a problem, 2 usage or file error\n";

struct Command {
    std::string_view name;
    int (*run)(const CliContext&, const std::vector<std::string>&);
};

constexpr Command kCommands[] = {
    {"info", cmd_info},         {"resave", cmd_resave}, {"causality", cmd_causality},
    {"generate", cmd_generate}, {"edit", cmd_edit},     {"render", cmd_render},
    {"simulate", cmd_simulate},
};

}  // namespace

int run_cli(const std::vector<std::string>& args, const std::string& default_program_dir,
            std::ostream& out, std::ostream& err) {
    std::string program_dir = default_program_dir;
    std::vector<std::string> words;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "-h" || arg == "--help") {
            out << kUsage;
            return kExitOk;
        }
        if (arg == "--program-dir") {
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
    if (words.empty()) {
        err << kUsage;
        return kExitUsage;
    }
    for (const Command& command : kCommands) {
        if (command.name != words.front()) continue;
        const CliContext ctx{program_dir, out, err};
        try {
            return command.run(ctx, std::vector<std::string>(words.begin() + 1, words.end()));
        } catch (const FileError& e) {
            print_error(ctx, e.what());
            return kExitUsage;
        } catch (const std::exception& e) {
            print_error(ctx, std::string("internal error: ") + e.what());
            return kExitUsage;
        }
    }
    err << "vantor-cli: unknown command \"" << escape_controls(words.front()) << "\"\n\n" << kUsage;
    return kExitUsage;
}

}  // namespace vantor
