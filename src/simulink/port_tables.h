#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/model.h"

namespace vantor {

// The Simulink block names that carry each element's variables, recorded
// while templates are expanded. Columns 0 and 1 (output, input) serve bonds
// with causa 2, columns 2 and 3 bonds with causa 1. Empty means not recorded.
struct PortTables {
    using Columns = std::array<std::string, 4>;
    std::vector<Columns> flow = std::vector<Columns>(kTableSlots);
    std::vector<Columns> effort = std::vector<Columns>(kTableSlots);
    std::vector<std::string> signal = std::vector<std::string>(kTableSlots);
};

}  // namespace vantor
