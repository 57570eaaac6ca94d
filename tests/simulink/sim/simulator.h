#pragma once

// Runs a diagram with a fixed-step fourth-order Runge-Kutta solver. The
// states are the Integrator outputs; a Derivative gives the difference
// quotient of its input since the last accepted step (0 at the start), as
// Simulink's does; unfed inputs read 0. Mux and Demux carry vectors of
// scalars; every other block works on scalars.

#include <map>
#include <string>
#include <vector>

#include "simulink/sim/diagram.h"
#include "simulink/sim/evaluation_order.h"

namespace vantor::sim {

struct SimulationResult {
    std::vector<double> time;  // 0, step, 2 step, ... stop time
    // Scope name -> one series per element of its input, sampled at `time`.
    std::map<std::string, std::vector<std::vector<double>>> scopes;
};

// Throws AlgebraicLoop for a cycle of direct-feedthrough blocks, without
// simulating; std::runtime_error for a diagram it cannot run (a missing
// block, an unreadable parameter, a vector into a scalar block).
SimulationResult simulate(const Diagram& diagram, double step, double stop_time);

// Up to the diagram's own stop time.
inline SimulationResult simulate(const Diagram& diagram, double step) {
    return simulate(diagram, step, diagram.stop_time);
}

}  // namespace vantor::sim
