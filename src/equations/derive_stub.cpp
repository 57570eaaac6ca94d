#include <stdexcept>

#include "equations/equation_system.h"

namespace vantor::equations {

// Stands in until the derivation lands.
EquationSystem derive_equations(const Model&) {
    throw std::runtime_error("not derived yet");
}

}  // namespace vantor::equations
