#pragma once

// The check of a generated file as written: read in its form, then checked as
// a diagram. What generation runs on its own output before it is saved.

#include <string_view>
#include <vector>

#include "sim/diagram_check.h"
#include "sim/generated_form.h"

namespace vantor::sim {

// The problems of check_diagram, or one error with the reader's message
// (naming the line) when the text cannot be read.
std::vector<Problem> check_generated(std::string_view text, GeneratedForm form);

}  // namespace vantor::sim
