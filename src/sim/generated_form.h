#pragma once

// The three forms a generated diagram comes in, one per template set, and the
// reading of any of them.

#include <string_view>

#include "sim/diagram.h"

namespace vantor::sim {

enum class GeneratedForm {
    kScript1,  // a MATLAB script for the 1.x scripting API (code1)
    kMdl,      // a 2.x .mdl model file (code2)
    kScript,   // a MATLAB script for today's API (code3)
};

// The form the templates of Simulink version 1, 2 or 3 write. Throws
// std::invalid_argument for any other version.
GeneratedForm generated_form(int simulink_version);

// Throws std::runtime_error naming the line of what cannot be read.
Diagram read_generated(std::string_view text, GeneratedForm form);

}  // namespace vantor::sim
