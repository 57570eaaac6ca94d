#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <ostream>
#include <set>

#include "app/byte_writer_stream.h"
#include "app/simulation_run.h"
#include "charts/plot_file.h"
#include "cli/cli.h"
#include "cli/command_io.h"
#include "cli/commands.h"
#include "cli/offscreen_display.h"
#include "cli/print_selection.h"
#include "cli/report_host.h"
#include "cli/template_warnings.h"
#include "model/file_saving.h"
#include "model/message_word.h"
#include "model/model_reader.h"
#include "model/text.h"

namespace vantor {
namespace {

constexpr std::string_view kUsage =
    "vantor-cli simulate MODEL [--simulink 1|2|3] [--t-end T]\n"
    "       [--fixed-step DT | --rtol R --atol A] [--max-rows N] [-o OUT.csv]\n"
    "       [--plot OUT.png|OUT.svg] [--engine diagram|equations]";

struct SimulateArguments {
    std::string model_path;
    std::string csv_path;  // empty or "-": standard output
    std::string plot_path;
    int version = 3;
    SimulationSettings settings;
    std::string tolerance_option;  // the first of --rtol and --atol given
};

// The run tells its warnings both through the host and in its result; the
// messages wait for the run's end so that the warnings are printed once, as
// warnings on stderr.
class SimulateHost : public ReportHost<CausalityHost> {
  public:
    using ReportHost::ReportHost;
    void show_message(const std::string& text) override { messages_.push_back(text); }

    void report_messages(const std::vector<std::string>& warnings) {
        const std::set<std::string> known(warnings.begin(), warnings.end());
        for (const std::string& text : messages_) {
            const std::vector<std::string> lines = message_lines(text);
            const bool only_warnings = std::all_of(
                lines.begin(), lines.end(), [&](const auto& line) { return known.count(line); });
            if (!only_warnings) ReportHost::show_message(text);
        }
    }

  private:
    std::vector<std::string> messages_;
};

// A number the option needs: positive and normal (neither 0, subnormal,
// infinite nor NaN), so that a run can count with it.
std::optional<double> positive_number(const std::string& text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || !std::isnormal(value) || value <= 0) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::int64_t> positive_count(const std::string& text) {
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || value <= 0) return std::nullopt;
    return value;
}

// What is wrong with the arguments, or nothing.
std::optional<std::string> parse(const std::vector<std::string>& argv, SimulateArguments& args) {
    bool fixed = false;
    for (std::size_t i = 0; i < argv.size(); ++i) {
        const std::string& arg = argv[i];
        const bool has_value = i + 1 < argv.size();
        const auto number = [&]() -> std::optional<double> {
            return has_value ? positive_number(argv[++i]) : std::nullopt;
        };
        if (arg == "-o" || arg == "--plot") {
            if (!has_value) return arg + " needs a file";
            (arg == "-o" ? args.csv_path : args.plot_path) = argv[++i];
        } else if (arg == "--max-rows") {
            const std::optional<std::int64_t> rows =
                has_value ? positive_count(argv[++i]) : std::nullopt;
            if (!rows) return "--max-rows takes a positive whole number";
            args.settings.max_rows = *rows;
        } else if (arg == "--engine") {
            const std::string v = has_value ? argv[++i] : std::string();
            if (v != "diagram" && v != "equations") return "--engine takes diagram or equations";
            args.settings.engine =
                v == "diagram" ? SimulationEngine::kDiagram : SimulationEngine::kEquations;
        } else if (arg == "--simulink") {
            const std::string v = has_value ? argv[++i] : std::string();
            if (v != "1" && v != "2" && v != "3") return "--simulink takes 1, 2 or 3";
            args.version = v[0] - '0';
        } else if (arg == "--t-end" || arg == "--fixed-step" || arg == "--rtol" ||
                   arg == "--atol") {
            const std::optional<double> value = number();
            if (!value) return arg + " takes a positive number";
            SimulationSettings& s = args.settings;
            if (arg == "--t-end") {
                s.stop_time = value;
            } else if (arg == "--fixed-step") {
                fixed = true;
                s.solver = sim::SolverKind::kFixed;
                s.fixed_step = value;
            } else {
                (arg == "--rtol" ? s.relative_tolerance : s.absolute_tolerance) = *value;
                if (args.tolerance_option.empty()) args.tolerance_option = arg;
            }
        } else if (arg.size() > 1 && arg[0] == '-') {
            return "unknown option \"" + message_word(arg) + "\"";
        } else if (args.model_path.empty() && !arg.empty()) {
            args.model_path = arg;
        } else {
            return "unexpected argument \"" + message_word(arg) + "\"";
        }
    }
    // The tolerances steer only the adaptive solver.
    if (fixed && !args.tolerance_option.empty()) {
        return "--fixed-step and " + args.tolerance_option + " cannot be used together";
    }
    if (args.model_path.empty()) return "simulate needs a MODEL";
    if (!args.plot_path.empty() && !charts::plot_file_format_of(args.plot_path)) {
        return "--plot must end in .png or .svg";
    }
    for (const std::string* out : {&args.csv_path, &args.plot_path}) {
        if (!out->empty() && same_file(*out, args.model_path)) {
            return *out + ": this is the model's own file; choose another name";
        }
    }
    if (!args.plot_path.empty() && args.plot_path == args.csv_path) {
        return "-o and --plot name the same file";
    }
    return std::nullopt;
}

std::string shortest_number(double value) {
    char text[32];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value);
    return error == std::errc() ? std::string(text, end) : std::string("?");
}

int exit_code(const SimulationRun& run, bool file_error) {
    switch (run.outcome) {
        case SimulateOutcome::kCompleted:
            return kExitOk;
        case SimulateOutcome::kNotRun:
            return file_error ? kExitUsage : kExitModelProblem;
        case SimulateOutcome::kBadSettings:
            return kExitUsage;
        case SimulateOutcome::kRefused:
        case SimulateOutcome::kStopped:
        case SimulateOutcome::kCancelled:
            return kExitModelProblem;
    }
    return kExitModelProblem;
}

}  // namespace

int cmd_simulate(const CliContext& ctx, const std::vector<std::string>& argv) {
    SimulateArguments args;
    if (const std::optional<std::string> problem = parse(argv, args)) {
        return usage_error(ctx, *problem, kUsage);
    }
    const bool csv_to_stdout = args.csv_path.empty() || args.csv_path == kStandardOutput;
    std::vector<std::string> outputs;
    for (const std::string& path : {args.csv_path, args.plot_path}) {
        if (!path.empty()) outputs.push_back(path);
    }
    check_outputs(outputs, {{args.model_path, "model"}});

    ModelWindowState window;
    window.model = read_model_input(args.model_path);
    window.hasname = kTrue;
    std::ostream& report = csv_to_stdout ? ctx.err : ctx.out;
    SimulateHost host(ctx, report);
    SimulateRequest request{ctx.program_dir, args.version, nombrecorto(args.model_path),
                            args.settings,   {},           {}};
    // The rows are written as they are computed; a run that never starts
    // writes no file.
    SimulationRun run;
    const auto keep = [&run] {
        return run.outcome == SimulateOutcome::kCompleted ||
               run.outcome == SimulateOutcome::kStopped;
    };
    // A stopped run still shows what it computed up to where it stopped.
    const auto write_plot = [&] {
        if (keep() && !args.plot_path.empty()) {
            const OffscreenWidgets widgets;
            charts::write_plot_file(run, args.plot_path);
        }
    };
    if (csv_to_stdout) {
        request.open_csv = [&ctx]() -> std::ostream* { return &ctx.out; };
        run = simulate_model(window, request, host);
        ctx.out.flush();
        write_plot();
    } else {
        save_file_streamed(args.csv_path, [&](const ByteWriter& write) {
            ByteWriterStream csv(write);
            request.open_csv = [&csv]() -> std::ostream* { return &csv; };
            run = simulate_model(window, request, host);
            csv.flush();
            // The CSV is renamed into place only after the picture is
            // written: a picture that fails leaves no CSV either.
            write_plot();
            return keep();
        });
    }
    host.report_messages(run.warnings);
    print_selection(report, window.model);
    print_missing_templates(ctx, args.version, run.missing_templates);
    for (const std::string& warning : run.warnings) print_error(ctx, "warning: " + warning);
    for (const std::string& line : message_lines(run.message)) print_error(ctx, line);
    if (run.outcome == SimulateOutcome::kBadSettings) ctx.err << "usage: " << kUsage << "\n";
    // Said on stderr, so that the CSV stays plain rows that any tool reads.
    if (run.outcome == SimulateOutcome::kStopped) {
        print_error(ctx, (csv_to_stdout ? std::string("the CSV") : args.csv_path) +
                             " is partial: the run stopped after its row at t = " +
                             shortest_number(run.time.empty() ? 0.0 : run.time.back()));
    }
    return exit_code(run, host.error_shown());
}

}  // namespace vantor
