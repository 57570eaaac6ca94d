#pragma once

// What a simulation run is asked for and what it gives back.

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "sim/block_templates.h"

namespace vantor::sim {

enum class SolverKind {
    kAdaptive,  // Dormand-Prince 5(4) with error control
    kFixed,     // classic fourth-order Runge-Kutta at a fixed step
};

// The most rows a run records unless told otherwise: beyond it a run is
// refused up front (fixed step) or stopped (adaptive).
inline constexpr std::int64_t kDefaultMaxRows = 100'000'000;

// What one recorded value is: element `element` (from 0) of a Scope's input,
// or, in a diagram without a Scope, the state of an Integrator.
struct RecordedSignal {
    std::string block;
    std::size_t element = 0;
    bool state = false;
};

// Takes the recorded rows as the run computes them, so that a long run needs
// no memory for its rows.
class RowSink {
  public:
    virtual ~RowSink() = default;
    // Once, after the options are checked and before the first row.
    virtual void begin(const std::vector<RecordedSignal>& signals) = 0;
    // One recorded step: the values in the order `begin` gave.
    virtual void row(double t, std::span<const double> values) = 0;
};

struct SimulationOptions {
    std::optional<double> stop_time;  // nothing: the diagram's StopTime
    SolverKind solver = SolverKind::kAdaptive;
    std::optional<double> fixed_step;  // nothing: a thousandth of the run
    double relative_tolerance = 1e-3;  // Simulink's defaults
    double absolute_tolerance = 1e-6;
    std::optional<double> max_step;  // nothing: a fiftieth of the run, as Simulink's "auto"

    // Names the template of a block the simulator refuses; may be empty.
    TemplateOf template_of;
    // Called every `progress_interval` accepted steps with the fraction of
    // the run done; returning false cancels the run.
    std::function<bool(double fraction)> progress;
    int progress_interval = 1000;

    // Nothing: the rows go into the result. Else they go to the sink only.
    RowSink* sink = nullptr;
    std::int64_t max_rows = kDefaultMaxRows;
};

enum class SimulationStatus {
    kCompleted,
    kNonFinite,  // a state or a block's output became infinite or NaN
    kRowLimit,   // the adaptive run reached max_rows before its stop time
    kStalled,    // the adaptive step shrank below what the time can resolve
    kCancelled,  // the progress callback said stop
};

struct SimulationResult {
    // The accepted steps: for a fixed step one row per step, for the adaptive
    // solver every accepted step and every breakpoint. Empty when the rows
    // went to a sink.
    std::vector<double> time;
    // Scope block name -> one series per element of its input, along `time`.
    std::map<std::string, std::vector<std::vector<double>>> scopes;
    // Only when the diagram has no Scope: Integrator block name -> its state.
    std::map<std::string, std::vector<double>> states;

    std::int64_t rows = 0;  // recorded, into the result or the sink

    SimulationStatus status = SimulationStatus::kCompleted;
    double end_time = 0;  // the time the run reached (or stopped at)
    // kNonFinite: the Integrator whose state, or the first block (in the order
    // of evaluation) whose output, is not finite; kStalled: the fastest state.
    std::string block;
    std::string message;  // why the run stopped early; empty when it completed
};

}  // namespace vantor::sim
