#pragma once

// Runs a generated diagram with Boost.Odeint: Dormand-Prince 5(4) with error
// control by default, or the classic Runge-Kutta at a fixed step. Source
// jumps (Step blocks) end an integration step, so no step straddles one.

#include <string>
#include <string_view>

#include "sim/diagram.h"
#include "sim/dynamics.h"
#include "sim/evaluation_order.h"
#include "sim/generated_form.h"
#include "sim/simulation.h"
#include "sim/simulation_error.h"

namespace vantor::sim {

// Throws, without running: SimulationError for a block the simulator cannot
// run (naming its template through options.template_of); AlgebraicLoop;
// std::runtime_error for a diagram it cannot wire; std::invalid_argument for
// options that do not make a run (a stop time, step, tolerance or maximum
// step that is not a positive normal number, a fixed step longer than the
// run, or a fixed step that makes more than max_rows rows). A run that goes wrong part way (a state
// or a block's output becomes infinite or NaN, the adaptive run reaches max_rows) or is cancelled
// returns what it has, with the status saying why.
SimulationResult simulate(const Diagram& diagram, const SimulationOptions& options = {});

// Runs any dynamics up to `stop` with the same solvers, checks and statuses;
// options.stop_time is not read.
SimulationResult simulate(Dynamics& dynamics, double stop, const SimulationOptions& options);

// The rows of a fixed-step run up to `stop`: the start and one per step, the
// last step shortened to end at the stop. A double, for it may not fit a count.
double fixed_step_rows(double stop, double step);
// A row count as a whole number: "10000000001".
std::string rows_text(double rows);

// Reads the generated text first; a text that cannot be read throws
// std::runtime_error naming the line.
SimulationResult simulate(std::string_view text, GeneratedForm form,
                          const SimulationOptions& options = {});

}  // namespace vantor::sim
