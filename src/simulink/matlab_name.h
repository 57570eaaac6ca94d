#pragma once

#include <string_view>

namespace vantor {

// MATLAB names a model after its file, and the script quotes that name: it must
// be a letter, then letters, digits or underscores, at most 63 characters.
bool is_matlab_name(std::string_view name);

}  // namespace vantor
