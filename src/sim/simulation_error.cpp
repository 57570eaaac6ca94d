#include "sim/simulation_error.h"

namespace vantor::sim {

namespace {

std::string message(const Block& block, const std::string& template_name,
                    const std::string& problem) {
    std::string text = "block '" + block.name + "' of type '" + block.type + "'";
    if (!template_name.empty()) text += " (template " + template_name + ")";
    return text + ": " + problem;
}

}  // namespace

SimulationError::SimulationError(const Block& block, const std::string& template_name,
                                 const std::string& problem)
    : std::runtime_error(message(block, template_name, problem)),
      block_(block.name),
      type_(block.type),
      template_(template_name) {}

}  // namespace vantor::sim
