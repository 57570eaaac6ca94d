#pragma once

// A diagram made ready to run many times a second: block types resolved to
// kinds, parameters read into numbers, every input resolved to the value slot
// that feeds it, and the blocks in the order one instant's outputs can be
// computed. The states are the Integrator outputs; a Derivative gives the
// difference quotient of its input since the last accepted step (0 at the
// start), as Simulink's does; unfed inputs read 0. Mux and Demux carry
// vectors of scalars, which a Fcn reads by element; every other block works
// on scalars.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sim/block_templates.h"
#include "sim/diagram.h"
#include "sim/dynamics.h"
#include "sim/expression.h"
#include "sim/simulation.h"

namespace vantor::sim {

class CompiledDiagram final : public Dynamics {
  public:
    // Throws SimulationError for a block of a type or with a parameter the
    // simulator does not know, a value it cannot read, or a Fcn that reads
    // u(i) past its input's elements; AlgebraicLoop for a
    // cycle of direct-feedthrough blocks; std::runtime_error for a line to a
    // missing block or port, or a vector into a scalar input.
    CompiledDiagram(const Diagram& diagram, const TemplateOf& template_of);

    std::size_t state_count() const { return state_blocks_.size(); }
    std::vector<double> initial_states() const override;
    // The Integrator block of state i.
    const std::string& state_block(std::size_t i) const override { return state_blocks_[i]; }

    // The times in (start, stop) at which a source jumps, ascending, each once.
    std::vector<double> breakpoints(double start, double stop) const override;

    // The state slopes at time t. Integration runs piecewise between
    // breakpoints: within the piece that starts at `piece_start`, a source
    // keeps the value it takes on that piece, even at the piece's end.
    void slopes(double t, double piece_start, const std::vector<double>& x,
                std::vector<double>& dx) override;

    // An accepted step: all outputs at t; the Derivatives remember them.
    void accept(double t, const std::vector<double>& x) override;

    // The first block, in the order of evaluation, whose output at the last
    // accepted step is not finite; nothing when all are.
    std::optional<NonFiniteOutput> first_non_finite_output() const override;
    const std::string& block_name(std::size_t block) const override { return names_[block]; }

    // What is recorded at each step: the scope inputs; in a diagram without a
    // Scope, the Integrator states instead.
    std::vector<RecordedSignal> recorded_signals() const override;
    // Their values at the last accepted step, in that order.
    void record_row(std::vector<double>& row) const override;

    // Appends the time and record_row to the result's series.
    void record(double t, SimulationResult& result) const override;

  private:
    enum class Kind : std::uint8_t {
        kIntegrator,
        kDerivative,
        kGain,
        kSum,
        kProduct,
        kConstant,
        kStep,
        kSin,
        kFcn,
        kMux,
        kDemux,
        kScope,
        kTerminator,
    };
    struct Source {
        int block = -1;  // -1: unfed
        int port = 0;
    };
    struct Unit {
        Kind kind = Kind::kTerminator;
        int out = 0;    // value slot of the first element of output 1
        int width = 1;  // elements per output port
        int outputs = 0;
        int first_input = 0;  // into inputs_, slots_, widths_, signs_
        int input_count = 0;
        int state = -1;  // Integrator
        int fcn = -1;    // into fcns_
        double p[4] = {};
        // Derivative: input and output at the last accepted step.
        double last_time = 0, last_input = 0, last_output = 0;
    };

    Unit compile(const Block& block, const TemplateOf& template_of);
    void wire(const Diagram& diagram);
    void place_outputs(const Diagram& diagram, const std::vector<std::size_t>& order,
                       const TemplateOf& template_of);
    void compute_outputs(double t, double source_time, const std::vector<double>& x);
    double in(const Unit& u, int k) const { return values_[slots_[u.first_input + k]]; }

    std::vector<Unit> units_;  // as diagram.blocks
    std::vector<std::string> names_;
    std::vector<int> order_;
    std::vector<Source> inputs_;  // per input of every unit
    std::vector<int> slots_;      // per input: the value slot feeding it (0 reads 0)
    std::vector<int> widths_;     // per input: the elements it carries
    std::vector<double> signs_;   // per input: Sum +1/-1, Product 1 multiply / -1 divide
    std::vector<Expression> fcns_;
    std::vector<double> values_;  // slot 0 stays 0
    std::vector<int> state_units_;
    std::vector<std::string> state_blocks_;
    std::vector<int> scope_units_;
    std::vector<std::string> scope_names_;
};

}  // namespace vantor::sim
