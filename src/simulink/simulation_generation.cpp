#include "simulink/simulation_generation.h"

#include <algorithm>

#include "model/element_kinds.h"
#include "sim/compiled_diagram.h"
#include "sim/diagram_check.h"
#include "sim/element_numbers.h"
#include "sim/evaluation_order.h"
#include "sim/generated_form.h"
#include "sim/simulation_error.h"
#include "simulink/generate.h"
#include "simulink/generation_problems.h"
#include "simulink/memory_generation.h"
#include "simulink/template_folder.h"

namespace vantor {
namespace {

constexpr std::size_t kMostProblemsTold = 10;

// Generation's road for a run: its errors are held, so that the run can tell
// a refusal as its own message instead of as an error of the file.
class HeldErrorsHost : public MemoryGenerationHost {
  public:
    using MemoryGenerationHost::MemoryGenerationHost;
    void show_error(const std::string& text) override { errors.push_back(text); }
    std::vector<std::string> errors;
};

bool has_elements(const Model& model) {
    for (int i = 1; i <= model.nobj; ++i) {
        if (!is_text_note(model.objs[static_cast<std::size_t>(i)])) return true;
    }
    return false;
}

int element_of(const Model& model, const std::string& block) {
    const std::optional<int> n = sim::element_number(block);
    return n && in_model(model, *n) ? *n : 0;
}

std::string element_list(const Model& model, const std::vector<int>& elements) {
    std::string text;
    for (std::size_t k = 0; k < elements.size(); ++k) {
        text += (k == 0 ? "" : ", ") + element_label(model, elements[k]);
    }
    return text;
}

// Why the checked diagram cannot run, with the elements to select; nothing
// when it can.
std::optional<std::string> refusal(const Model& model, const sim::Diagram& diagram,
                                   std::vector<int>& elements) {
    std::vector<sim::Problem> errors;
    for (sim::Problem& problem : sim::check_diagram(diagram)) {
        if (problem.severity == sim::Severity::kError) errors.push_back(std::move(problem));
    }
    if (errors.empty()) return std::nullopt;
    // The simulator's own account names the template of a block it does not know.
    const sim::TemplateOf template_of = [&model](const sim::Block& block) {
        const int element = element_of(model, block.name);
        return element == 0 ? std::string() : template_name(model, element);
    };
    try {
        const sim::CompiledDiagram compiled(diagram, template_of);
    } catch (const sim::SimulationError& e) {
        elements = {element_of(model, e.block())};
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

SimulationGeneration generate_and_check(ModelWindowState& window,
                                        const SimulationGenerationRequest& request,
                                        CausalityHost& host) {
    SimulationGeneration run;
    if (!has_elements(window.model)) {
        run.outcome = SimulationGenerationOutcome::kRefused;
        run.message = kNoElementsMessage;
        return run;
    }
    HeldErrorsHost generation(host);
    GenerateResult generated = generate_Click(
        window, {request.program_dir, request.simulink_version, request.window_caption, ""},
        generation);
    run.assign = generated.assign;
    run.missing_templates = std::move(generated.missing_templates);
    // A model too large for its file is refused as Generate refuses it; any
    // other error stops the run as it stops Generate.
    if (generated.outcome == GenerateOutcome::kRefused) {
        run.outcome = SimulationGenerationOutcome::kRefused;
        run.message = generation.errors.back();
        return run;
    }
    for (const std::string& error : generation.errors) host.show_error(error);
    if (generated.outcome != GenerateOutcome::kWritten) return run;
    run.outcome = SimulationGenerationOutcome::kRefused;
    try {
        run.diagram =
            sim::read_generated(generation.text, sim::generated_form(request.simulink_version));
    } catch (const std::exception& e) {
        run.message = "The generated diagram cannot be read back: " +
                      read_error_message(e, generated.template_lines);
        return run;
    }
    run.read_back = true;
    if (auto why = refusal(window.model, run.diagram, run.elements)) {
        run.message = std::move(*why);
        return run;
    }
    run.outcome = SimulationGenerationOutcome::kReady;
    return run;
}

}  // namespace

SimulationGeneration generate_for_simulation(ModelWindowState& window,
                                             const SimulationGenerationRequest& request,
                                             CausalityHost& host) {
    // Simulating is no edit: a run that wrote nothing new leaves the model as
    // saved as it was, although Assign & Check redraws the window.
    const Model before = window.model;
    const std::int16_t saved = window.saved;
    SimulationGeneration run = generate_and_check(window, request, host);
    if (same_file_records(before, window.model)) window.saved = saved;
    return run;
}

}  // namespace vantor
