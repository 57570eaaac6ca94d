#pragma once

#include <set>
#include <string>
#include <vector>

#include "causality/causality_commands.h"
#include "causality/causality_host.h"
#include "model/model.h"
#include "sim/diagram.h"

namespace vantor {

inline constexpr const char* kNoElementsMessage = "The model has no elements";

struct SimulationGenerationRequest {
    std::string program_dir;
    int simulink_version = 3;
    std::string window_caption;  // names the generated model
};

enum class SimulationGenerationOutcome {
    kReady,         // `diagram` can be run
    kNotGenerated,  // generation refused or stopped; its messages were shown
    kRefused,       // nothing to run, or the generated diagram cannot run: `message`
};

struct SimulationGeneration {
    SimulationGenerationOutcome outcome = SimulationGenerationOutcome::kNotGenerated;
    std::string message;        // kRefused: what the user is told, naming elements
    std::vector<int> elements;  // kRefused: the elements the message is about, to select
    sim::Diagram diagram;       // kReady: what generation wrote, read back
    // The diagram was read back: set for kReady, and for a diagram refused
    // only because the simulator cannot run it.
    bool read_back = false;
    AssignOutcome assign = AssignOutcome::kCompleted;  // of the Assign & Check run, if any
    std::set<std::string> missing_templates;           // asked for but not in the folder
};

// Everything Simulate does to a model window before its numerical run, for
// the editor and a journal's replay alike: a model without elements is
// refused; then Generate's road into memory with the window's Simulink
// version (the causality check, Assign & Check with its messages to `host`,
// the junctions' sign lists, the start element, auxil3), writing no file;
// then the generated text is read back and checked. A run that changed no
// record of the model keeps the window's saved flag.
SimulationGeneration generate_for_simulation(ModelWindowState& window,
                                             const SimulationGenerationRequest& request,
                                             CausalityHost& host);

}  // namespace vantor
