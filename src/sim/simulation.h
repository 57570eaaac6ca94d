#pragma once

// What a simulation run is asked for and what it gives back.

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "sim/block_templates.h"

namespace vantor::sim {

enum class SolverKind {
    kAdaptive,  // Dormand-Prince 5(4) with error control
    kFixed,     // classic fourth-order Runge-Kutta at a fixed step
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
};

enum class SimulationStatus {
    kCompleted,
    kNonFinite,  // a state became infinite or NaN
    kStalled,    // the adaptive step shrank below what the time can resolve
    kCancelled,  // the progress callback said stop
};

struct SimulationResult {
    // The accepted steps: for a fixed step one row per step, for the adaptive
    // solver every accepted step and every breakpoint.
    std::vector<double> time;
    // Scope block name -> one series per element of its input, along `time`.
    std::map<std::string, std::vector<std::vector<double>>> scopes;
    // Only when the diagram has no Scope: Integrator block name -> its state.
    std::map<std::string, std::vector<double>> states;

    SimulationStatus status = SimulationStatus::kCompleted;
    double end_time = 0;  // the time the run reached (or stopped at)
    std::string block;    // kNonFinite, kStalled: the Integrator whose state failed
    std::string message;  // why the run stopped early; empty when it completed
};

}  // namespace vantor::sim
