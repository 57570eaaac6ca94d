#include "journal/replay_generation.h"

#include "simulink/generate.h"
#include "simulink/memory_generation.h"
#include "simulink/simulation_generation.h"
#include "window/selection.h"

namespace vantor {

std::string replay_generate(ModelWindow& window, AppState& app, EditorHost& host,
                            bool dialog_cancelled) {
    ReplayCausalityHost causality(window, app, host);
    MemoryGenerationHost generation(causality, dialog_cancelled);
    // The window's caption only names the file, and no file is written.
    const GenerateResult result = generate_Click(
        window, {app.program_dir, window.menus.simulink_version, "", ""}, generation);
    if (result.assign == AssignOutcome::kTableUnreadable) return causality.error;
    if (!causality.error.empty()) host.show_message(causality.error);
    return {};
}

std::string replay_simulate(ModelWindow& window, AppState& app, EditorHost& host) {
    ReplayCausalityHost causality(window, app, host);
    const SimulationGeneration run = generate_for_simulation(
        window, {app.program_dir, window.menus.simulink_version, ""}, causality);
    if (run.assign == AssignOutcome::kTableUnreadable) return causality.error;
    if (!causality.error.empty()) host.show_message(causality.error);
    if (run.outcome == SimulationGenerationOutcome::kRefused) {
        if (!run.elements.empty()) select_elements(window, app, run.elements);
        host.show_message(run.message);
    }
    return {};
}

}  // namespace vantor
