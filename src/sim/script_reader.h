#pragma once

// Reads a generated MATLAB script into the diagram it builds: the calls
// new_system, add_block('built-in/<Type>', [sys '/<name>'], 'Param', 'value',
// ...), set_param on the model (its stop time) or on a block, and
// add_line(sys, 'from/1', 'to/2'); text variables (sys = 'name'); the calls
// open_system, close_system and bdclose, which change no diagram, are
// passed over.

#include <string_view>

#include "sim/diagram.h"
#include "sim/script_dialect.h"

namespace vantor::sim {

// Throws std::runtime_error naming the line and the call it does not know, or
// a block type or parameter of the other generation. Types and parameters that
// no generation knows are kept as written for the checker and the simulator.
Diagram read_script(std::string_view script, ScriptDialect dialect);

}  // namespace vantor::sim
