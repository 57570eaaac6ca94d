#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "causality/causality_host.h"
#include "sim/simulation.h"
#include "window/model_window.h"

namespace vantor {

// What a run integrates: the generated diagram, as Simulink would run it, or
// the model's state equations, which solve derivative causality exactly.
enum class SimulationEngine { kDiagram, kEquations };

// A model window's simulation settings: they belong to the window and are
// never saved with the model.
struct SimulationSettings {
    SimulationEngine engine = SimulationEngine::kDiagram;
    std::optional<double> stop_time;  // nothing: the generated model's StopTime
    sim::SolverKind solver = sim::SolverKind::kAdaptive;
    std::optional<double> fixed_step;  // nothing: a thousandth of the run
    double relative_tolerance = 1e-3;
    double absolute_tolerance = 1e-6;
    // The most rows a run may record: a fixed-step run that needs more is
    // refused, an adaptive one stops there.
    std::int64_t max_rows = sim::kDefaultMaxRows;
};

// One plotted signal, along SimulationRun::time.
struct PlotSignal {
    // The CSV column's heading: the Scope block's name, the input element's
    // number and the Scope element's caption, "11scope/1 (scope)"; for a
    // state, the Integrator block's name and its element's caption.
    std::string column;
    // The legend: the caption of the element whose block feeds the signal
    // (its block name begins with its number), "De (3)".
    std::string legend;
    int element = 0;  // that element, 0 when no element stands behind it
    std::vector<double> values;
};

// One chart: a Scope's inputs, or every Integrator state of a diagram
// without a Scope.
struct Plot {
    std::string title;  // "11scope (scope)", or "States"
    std::vector<PlotSignal> signals;
};

enum class SimulateOutcome {
    kCompleted,
    kNotRun,       // generation refused or stopped; its messages were shown
    kRefused,      // the generated diagram (or the state equations) cannot be run:
                   // `message` says why
    kStopped,      // the run stopped early (a state or output went infinite or NaN,
                   // the step vanished, the row limit): `message`
    kBadSettings,  // the settings make no run (a time or step out of range, too
                   // many rows for a fixed step): `message`
    kCancelled,    // the progress callback said stop
};

struct SimulationRun {
    SimulateOutcome outcome = SimulateOutcome::kNotRun;
    // For kRefused and kStopped: what the user is told, naming elements.
    std::string message;
    // The elements the message is about, for the window to select.
    std::vector<int> elements;
    // Told before the run (through the host): elements in derivative
    // causality whose initial value is ignored.
    std::vector<std::string> warnings;
    // The templates generation asked for that are not in the folder: their
    // elements are missing from the run.
    std::set<std::string> missing_templates;
    // kCompleted and kStopped: up to where the run got, thinned for display
    // (every row of a short run; of a long one, each stretch's first, last,
    // lowest and highest rows, so that peaks survive). The CSV has them all.
    std::vector<double> time;
    std::vector<Plot> plots;
    std::int64_t rows = 0;  // the rows the run recorded
    double end_time = 0;
};

struct SimulateRequest {
    std::string program_dir;
    int simulink_version = 3;
    std::string window_caption;  // names the generated model
    SimulationSettings settings;
    // Called now and then with the fraction of the run done; false cancels.
    std::function<bool(double fraction)> progress;
    // Asked once, when the run starts, where to write every row as CSV while
    // it is computed; nothing or no answer: no CSV.
    std::function<std::ostream*()> open_csv;
};

// Run > Simulate: generate_for_simulation (a model without elements refused,
// Generate's road into memory, the generated text read back and checked),
// then the numerical run. Causality messages and the warnings before the run
// go to `host`.
SimulationRun simulate_model(ModelWindowState& window, const SimulateRequest& request,
                             CausalityHost& host);

// The run's display copy as CSV (every row of a run that was not thinned): a
// first column "t", then one column per signal of every plot, headed with its
// `column`; one row per time. Numbers in the shortest form that reads back
// exactly.
std::string simulation_csv(const SimulationRun& run);

}  // namespace vantor
