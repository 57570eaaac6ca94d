#include "app/simulation_run.h"

#include <algorithm>
#include <cstdlib>

#include "app/simulation_plots.h"
#include "app/simulation_recorder.h"
#include "causality/derivative_causality.h"
#include "model/element_kinds.h"
#include "model/file_error.h"
#include "model/text.h"
#include "sim/compiled_diagram.h"
#include "sim/element_numbers.h"
#include "sim/evaluation_order.h"
#include "sim/generated_form.h"
#include "sim/simulation_error.h"
#include "sim/simulator.h"
#include "simulink/generate.h"
#include "simulink/generation_problems.h"
#include "simulink/matlab_name.h"
#include "simulink/template_folder.h"

namespace vantor {
namespace {

constexpr std::size_t kMostProblemsTold = 10;

// Generate's road with the file kept in memory: the window's causality
// messages still reach the user.
class MemoryGenerationHost : public GenerationHost {
  public:
    explicit MemoryGenerationHost(CausalityHost& host) : host_(host) {}
    void show_message(const std::string& text) override { host_.show_message(text); }
    void show_error(const std::string& text) override { host_.show_error(text); }
    void selection_changed(int element) override { host_.selection_changed(element); }
    void redraw() override { host_.redraw(); }
    std::optional<std::string> ask_save_file(const SaveDialogRequest& request) override {
        // A caption that is no MATLAB name still simulates.
        const std::string name = nombrecorto(request.proposed_name);
        if (is_matlab_name(name)) return request.proposed_name;
        return "vantor_model" + request.proposed_name.substr(name.size());
    }
    void set_busy(bool) override {}
    void write_output(const std::string&, std::string_view bytes) override { text.assign(bytes); }

    std::string text;

  private:
    CausalityHost& host_;
};

sim::SimulationOptions options_of(const SimulateRequest& request, const Model& model) {
    sim::SimulationOptions options;
    options.stop_time = request.settings.stop_time;
    options.solver = request.settings.solver;
    options.fixed_step = request.settings.fixed_step;
    options.relative_tolerance = request.settings.relative_tolerance;
    options.absolute_tolerance = request.settings.absolute_tolerance;
    options.progress = request.progress;
    options.max_rows = request.settings.max_rows;
    options.template_of = [&model](const sim::Block& block) {
        const int element = element_of_block(model, block.name);
        return element == 0 ? std::string() : template_name(model, element);
    };
    return options;
}

std::string element_list(const Model& model, const std::vector<int>& elements) {
    std::string text;
    for (std::size_t k = 0; k < elements.size(); ++k) {
        text += (k == 0 ? "" : ", ") + element_label(model, elements[k]);
    }
    return text;
}

bool zero_or_empty(const std::string& text) {
    if (text.empty()) return true;
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    return end == text.c_str() + text.size() && value == 0;
}

std::vector<int> derivative_elements(const Model& model, const std::string& program_dir) {
    try {
        return derivative_causality_elements(model, program_dir);
    } catch (const FileError&) {
        return {};  // Assign & Check already told the user about the table
    }
}

// Elements in derivative causality whose initial value will not be used.
std::vector<std::string> ignored_initial_values(const Model& model,
                                                const std::vector<int>& derivative) {
    std::vector<std::string> warnings;
    for (int element : derivative) {
        const std::string initial = std::string(
            trim_blanks(model.objs[static_cast<std::size_t>(element)].parameter2.trimmed()));
        if (zero_or_empty(initial)) continue;
        warnings.push_back("Element " + element_label(model, element) +
                           " is in derivative causality: its initial value " + initial +
                           " is ignored, because its state follows from the store it is "
                           "joined to.");
    }
    return warnings;
}

std::string divergence_advice(const Model& model, const std::vector<int>& derivative) {
    return "\r\rIn derivative causality: " + element_list(model, derivative) +
           ". A Derivative block inside a loop through a smaller integrating store grows at "
           "every step, whatever the step size, as it does in Simulink. Number the larger "
           "store first, so that Assign & Check gives it integral causality.";
}

// Why the checked diagram cannot run, with the elements to select; nothing
// when it can.
std::optional<std::string> refusal(const Model& model, const sim::Diagram& diagram,
                                   const sim::TemplateOf& template_of, std::vector<int>& elements) {
    std::vector<sim::Problem> errors;
    for (sim::Problem& problem : sim::check_diagram(diagram)) {
        if (problem.severity == sim::Severity::kError) errors.push_back(std::move(problem));
    }
    if (errors.empty()) return std::nullopt;
    // The simulator's own account names the template of a block it does not know.
    try {
        const sim::CompiledDiagram compiled(diagram, template_of);
    } catch (const sim::SimulationError& e) {
        elements = {element_of_block(model, e.block())};
        return std::string("The generated diagram cannot be simulated: ") + e.what();
    } catch (const sim::AlgebraicLoop& loop) {
        elements = loop.elements();
        return "The generated diagram has an algebraic loop through elements " +
               element_list(model, elements) + ". They are selected.";
    } catch (const std::exception&) {
    }
    std::vector<sim::Problem> told(
        errors.begin(),
        errors.begin() + static_cast<std::ptrdiff_t>(std::min(errors.size(), kMostProblemsTold)));
    std::string text = "The generated diagram cannot be simulated:";
    for (const std::string& line : problem_lines(model, told)) text += "\r" + line;
    for (const sim::Problem& problem : errors) {
        for (int element : sim::element_numbers(problem.blocks)) elements.push_back(element);
    }
    std::sort(elements.begin(), elements.end());
    elements.erase(std::unique(elements.begin(), elements.end()), elements.end());
    return text;
}

}  // namespace

SimulationRun simulate_model(ModelWindowState& window, const SimulateRequest& request,
                             CausalityHost& host) {
    SimulationRun run;
    MemoryGenerationHost generation(host);
    const GenerateResult generated = generate_Click(
        window, {request.program_dir, request.simulink_version, request.window_caption, ""},
        generation);
    if (generated.outcome != GenerateOutcome::kWritten) return run;
    const Model& model = window.model;

    const std::vector<int> derivative = derivative_elements(model, request.program_dir);
    run.warnings = ignored_initial_values(model, derivative);
    if (!run.warnings.empty()) {
        std::string text;
        for (const std::string& warning : run.warnings)
            text += (text.empty() ? "" : "\r") + warning;
        host.show_message(text);
    }

    sim::SimulationOptions options = options_of(request, model);
    sim::Diagram diagram;
    try {
        diagram =
            sim::read_generated(generation.text, sim::generated_form(request.simulink_version));
    } catch (const std::exception& e) {
        run.outcome = SimulateOutcome::kRefused;
        run.message = std::string("The generated diagram cannot be read back: ") + e.what();
        return run;
    }
    if (auto why = refusal(model, diagram, options.template_of, run.elements)) {
        run.outcome = SimulateOutcome::kRefused;
        run.message = std::move(*why);
        return run;
    }

    SimulationRecorder recorder(model, diagram, request.open_csv);
    options.sink = &recorder;
    sim::SimulationResult result;
    try {
        result = sim::simulate(diagram, options);
    } catch (const std::invalid_argument& e) {
        run.outcome = SimulateOutcome::kBadSettings;
        run.message = std::string("The simulation cannot run: ") + e.what();
        return run;
    } catch (const std::exception& e) {
        // The check passed, so this is the options or a value at run time.
        run.outcome = SimulateOutcome::kRefused;
        run.message = std::string("The simulation cannot run: ") + e.what();
        return run;
    }
    run.end_time = result.end_time;
    switch (result.status) {
        case sim::SimulationStatus::kCompleted:
            run.outcome = SimulateOutcome::kCompleted;
            break;
        case sim::SimulationStatus::kCancelled:
            run.outcome = SimulateOutcome::kCancelled;
            break;
        case sim::SimulationStatus::kRowLimit:
            run.outcome = SimulateOutcome::kStopped;
            run.message = "The simulation stopped: " + result.message;
            break;
        case sim::SimulationStatus::kNonFinite:
        case sim::SimulationStatus::kStalled: {
            run.outcome = SimulateOutcome::kStopped;
            run.message = result.message;
            if (const int element = element_of_block(model, result.block); element != 0) {
                run.message += " (element " + element_label(model, element) + ")";
                run.elements.push_back(element);
            }
            if (!derivative.empty()) {
                run.message += divergence_advice(model, derivative);
                run.elements.insert(run.elements.end(), derivative.begin(), derivative.end());
            }
            break;
        }
    }
    run.rows = result.rows;
    recorder.finish(run);
    return run;
}

}  // namespace vantor
