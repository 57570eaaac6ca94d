#pragma once

// The order in which a diagram's block outputs can be computed at one instant:
// an Integrator's output is its state, known before anything else, and every
// other block needs the blocks that feed it to be computed first.

#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

#include "sim/diagram.h"
#include "sim/element_numbers.h"

namespace vantor::sim {

// A cycle of blocks whose outputs depend at once on their own inputs. The
// message names the blocks and, for generated ones, their elements.
class AlgebraicLoop : public std::runtime_error {
  public:
    explicit AlgebraicLoop(std::vector<std::string> blocks);
    const std::vector<std::string>& blocks() const { return blocks_; }
    std::vector<int> elements() const { return element_numbers(blocks_); }

  private:
    std::vector<std::string> blocks_;
};

// Indices into diagram.blocks. Throws AlgebraicLoop naming the blocks on
// cycles, or std::runtime_error for a line that names a missing block.
std::vector<std::size_t> evaluation_order(const Diagram& diagram);

}  // namespace vantor::sim
