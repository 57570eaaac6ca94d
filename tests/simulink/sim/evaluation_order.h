#pragma once

// The order in which a diagram's block outputs can be computed at one instant:
// an Integrator's output is its state, known before anything else, and every
// other block needs the blocks that feed it to be computed first.

#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

#include "simulink/sim/diagram.h"

namespace vantor::sim {

// A cycle of blocks whose outputs depend at once on their own inputs.
class AlgebraicLoop : public std::runtime_error {
  public:
    explicit AlgebraicLoop(std::vector<std::string> blocks);
    const std::vector<std::string>& blocks() const { return blocks_; }

  private:
    std::vector<std::string> blocks_;
};

// Indices into diagram.blocks. Throws AlgebraicLoop naming the blocks on
// cycles, or std::runtime_error for a line that names a missing block.
std::vector<std::size_t> evaluation_order(const Diagram& diagram);

}  // namespace vantor::sim
