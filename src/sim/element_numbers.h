#pragma once

// Generated block names begin with the number of the element whose template
// wrote them ("12q" is element 12's), which leads from a diagram's problems
// back to the model.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantor::sim {

// The element number that begins a block name; nothing for a name that does
// not begin with a digit.
std::optional<int> element_number(std::string_view block_name);

// The element numbers of the blocks, ascending, each once.
std::vector<int> element_numbers(const std::vector<std::string>& block_names);

}  // namespace vantor::sim
