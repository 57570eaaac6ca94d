#pragma once

// A block the simulator cannot run: an unknown type, a parameter it does not
// know, a value it cannot read. The message names the block, its type and,
// when known, the template that wrote it.

#include <stdexcept>
#include <string>

#include "sim/diagram.h"

namespace vantor::sim {

class SimulationError : public std::runtime_error {
  public:
    // "block '3q' of type 'Lookup' (template C__.cod): <problem>"; without a
    // template name the parenthesis is left out.
    SimulationError(const Block& block, const std::string& template_name,
                    const std::string& problem);

    const std::string& block() const { return block_; }
    const std::string& type() const { return type_; }
    const std::string& template_name() const { return template_; }

  private:
    std::string block_;
    std::string type_;
    std::string template_;
};

}  // namespace vantor::sim
