#pragma once

// What each block type of a generated diagram is: the parameters it may carry,
// with the value Simulink assumes when a file leaves one out, and its ports.

#include <map>
#include <string>

#include "sim/diagram.h"

namespace vantor::sim {

// Parameter name -> default value for a block type; nullptr for a type that
// generated diagrams may not use.
const std::map<std::string, std::string>* parameter_defaults(const std::string& type);

// The block's value of a parameter of its type, or that parameter's default.
std::string parameter(const Block& block, const std::string& name);

// Port counts; a count parameter that cannot be read throws std::runtime_error
// naming the block.
int input_count(const Block& block);
int output_count(const Block& block);

// Sum and Product: one sign ('+', '-', '*' or '/') per input; a count such as
// "3" stands for that many '+' or '*'. Throws on any other text.
std::string input_signs(const Block& block);

}  // namespace vantor::sim
