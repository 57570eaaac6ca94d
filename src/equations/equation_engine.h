#pragma once

// The state equations as something a simulation runs: f and g with the
// parameter values in, compiled once into numeric programs, integrated by
// the simulator's own solvers with the step sources' times as breakpoints.
// It records what the generated diagram records: the input of every Scope,
// one value per input element, under the Scope block's name ("9scope"); in
// a model without a Scope, the states under their Integrators' names ("3p").

#include <memory>
#include <string>
#include <vector>

#include "equations/equation_system.h"
#include "equations/numeric_program.h"
#include "sim/dynamics.h"
#include "sim/simulation.h"

namespace vantor::equations {

class EquationEngine final : public sim::Dynamics {
  public:
    // Throws NumericError when the equations cannot run: a loop kept
    // implicit, a parameter without a value, a value that makes a term undefined.
    explicit EquationEngine(const EquationSystem& system);

    std::vector<double> initial_states() const override { return initial_; }
    const std::string& state_block(std::size_t i) const override { return state_names_[i]; }
    std::vector<double> breakpoints(double start, double stop) const override;
    void slopes(double t, double piece_start, const std::vector<double>& x,
                std::vector<double>& dx) override;
    void accept(double t, const std::vector<double>& x) override;
    std::optional<sim::NonFiniteOutput> first_non_finite_output() const override;
    // The Scope (or Integrator) of recorded value `block`.
    const std::string& block_name(std::size_t block) const override {
        return signals_[block].block;
    }
    std::vector<sim::RecordedSignal> recorded_signals() const override { return signals_; }
    void record_row(std::vector<double>& row) const override { row = row_; }
    void record(double t, sim::SimulationResult& result) const override;

  private:
    void load(double t, double source_time, const std::vector<double>& x);

    std::vector<NumericProgram> f_, g_;
    std::vector<double> initial_;
    std::vector<double> jumps_;
    std::vector<std::string> state_names_;
    std::vector<sim::RecordedSignal> signals_;
    std::vector<double> slots_;     // t, the sources' time, then the states
    std::vector<double> row_;       // the recorded values at the last accepted step
    bool states_recorded_ = false;  // no Scope: the states are recorded
};

// Runs the equations with the options (stop time: options.stop_time, else
// `default_stop`). Throws NumericError as EquationEngine does, and what
// sim::simulate throws for options that make no run.
sim::SimulationResult simulate_equations(const EquationSystem& system, double default_stop,
                                         const sim::SimulationOptions& options);

}  // namespace vantor::equations
