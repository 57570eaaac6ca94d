#include "app/simulation_run.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "app/simulation_plots.h"
#include "app/simulation_recorder.h"
#include "causality/derivative_causality.h"
#include "equations/equation_engine.h"
#include "equations/ginac_lock.h"
#include "equations/numeric_values.h"
#include "model/file_error.h"
#include "model/text.h"
#include "sim/evaluation_order.h"
#include "sim/simulator.h"
#include "simulink/generation_problems.h"
#include "simulink/simulation_generation.h"
#include "simulink/template_folder.h"

namespace vantor {
namespace {

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

// Only for a diagram with derivative causality that diverged or stalled: the
// equations solve derivative causality exactly.
constexpr const char* kEquationsAdvice =
    " Or simulate by the state equations (the engine in Simulation Settings, or "
    "--engine equations), which solve "
    "derivative causality exactly.";

// The run by the state equations of the model, which now has causality.
sim::SimulationResult simulate_by_equations(const Model& model, const sim::Diagram& diagram,
                                            const sim::SimulationOptions& options) {
    // The State Equations window may be deriving beside this run.
    const auto ginac = equations::ginac_lock();
    equations::EquationSystem system;
    try {
        system = equations::derive_equations(model);
    } catch (const std::invalid_argument& e) {
        throw std::runtime_error(e.what());  // a model problem, not the settings
    }
    return equations::simulate_equations(system, diagram.stop_time, options);
}

}  // namespace

SimulationRun simulate_model(ModelWindowState& window, const SimulateRequest& request,
                             CausalityHost& host) {
    SimulationRun run;
    SimulationGeneration generated = generate_for_simulation(
        window, {request.program_dir, request.simulink_version, request.window_caption}, host);
    run.missing_templates = std::move(generated.missing_templates);
    if (generated.outcome == SimulationGenerationOutcome::kNotGenerated) return run;
    const Model& model = window.model;

    const std::vector<int> derivative = derivative_elements(model, request.program_dir);
    run.warnings = ignored_initial_values(model, derivative);
    if (!run.warnings.empty()) {
        std::string text;
        for (const std::string& warning : run.warnings)
            text += (text.empty() ? "" : "\r") + warning;
        host.show_message(text);
    }
    // The equations do not need a diagram the simulator can run, only its
    // Scopes for the charts' legends.
    const bool by_equations = request.settings.engine == SimulationEngine::kEquations;
    if (generated.outcome == SimulationGenerationOutcome::kRefused &&
        !(by_equations && generated.read_back)) {
        run.outcome = SimulateOutcome::kRefused;
        run.message = std::move(generated.message);
        run.elements = std::move(generated.elements);
        return run;
    }
    const sim::Diagram& diagram = generated.diagram;
    sim::SimulationOptions options = options_of(request, model);

    SimulationRecorder recorder(model, diagram, request.open_csv);
    options.sink = &recorder;
    sim::SimulationResult result;
    try {
        result = by_equations ? simulate_by_equations(model, diagram, options)
                              : sim::simulate(diagram, options);
    } catch (const equations::NumericError& e) {
        run.outcome = SimulateOutcome::kRefused;
        run.message = std::string("The state equations cannot run: ") + e.what();
        return run;
    } catch (const equations::EquationError& e) {
        run.outcome = SimulateOutcome::kRefused;
        run.message = std::string("The state equations cannot be derived: ") + e.what();
        return run;
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
            if (!derivative.empty() && !by_equations) {
                run.message += divergence_advice(model, derivative) + kEquationsAdvice;
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
