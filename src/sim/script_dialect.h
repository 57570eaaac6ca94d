#pragma once

// The block, parameter and model-setting names of a generated script, as the
// Simulink generation it targets spells them, and their names in a Diagram.
// MATLAB compares parameter names without regard to case; so do these.

#include <string>

namespace vantor::sim {

enum class ScriptDialect {
    kSimulink1,  // the 1.x scripting API: 'Step Fcn', 'Initial', ...
    kCurrent,    // BlockType and parameter names unchanged since 2.x
};

// The Diagram type of add_block's 'built-in/<written>'; a type that no
// generation knows comes back as written. Throws std::runtime_error for a
// type of the other generation (today's 'Step' in a 1.x script).
std::string block_type(ScriptDialect dialect, const std::string& written);

// The Diagram name of a parameter of a block of Diagram type `type`, or
// "Position"; a name that no generation knows comes back as written. Throws
// std::runtime_error naming a parameter of the other generation.
std::string block_parameter(ScriptDialect dialect, const std::string& type,
                            const std::string& written);

// The model setting of set_param(sys, ...): only the stop time, "StopTime".
std::string model_parameter(ScriptDialect dialect, const std::string& written);

}  // namespace vantor::sim
