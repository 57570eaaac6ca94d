#pragma once

// What a run integrates: states with their slopes, sources that jump at known
// times, and the values recorded at every accepted step. The generated
// diagram is one; the state equations are another.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "sim/simulation.h"

namespace vantor::sim {

struct NonFiniteOutput {
    std::size_t block = 0;
    bool nan = false;  // else infinite
};

class Dynamics {
  public:
    virtual ~Dynamics() = default;

    virtual std::vector<double> initial_states() const = 0;
    // The name a message gives state i.
    virtual const std::string& state_block(std::size_t i) const = 0;

    // The times in (start, stop) at which a source jumps, ascending, each once.
    virtual std::vector<double> breakpoints(double start, double stop) const = 0;

    // The state slopes at time t. Integration runs piecewise between
    // breakpoints: within the piece that starts at `piece_start`, a source
    // keeps the value it takes on that piece, even at the piece's end.
    virtual void slopes(double t, double piece_start, const std::vector<double>& x,
                        std::vector<double>& dx) = 0;

    // An accepted step: all outputs at t.
    virtual void accept(double t, const std::vector<double>& x) = 0;

    // The first output whose value at the last accepted step is not finite.
    virtual std::optional<NonFiniteOutput> first_non_finite_output() const = 0;
    virtual const std::string& block_name(std::size_t block) const = 0;

    virtual std::vector<RecordedSignal> recorded_signals() const = 0;
    // Their values at the last accepted step, in that order.
    virtual void record_row(std::vector<double>& row) const = 0;
    // Appends the time and record_row to the result's series.
    virtual void record(double t, SimulationResult& result) const = 0;
};

}  // namespace vantor::sim
