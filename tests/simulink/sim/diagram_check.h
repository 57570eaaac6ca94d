#pragma once

// Whether a generated diagram is one Simulink would run as meant: known block
// types and parameters with readable values, lines between ports that exist,
// and every input of a connected block fed by exactly one line. A block with
// no line at all is allowed: a two-port element's template carries blocks for
// both of its orientations and only one of them is wired.

#include <string>
#include <vector>

#include "simulink/sim/diagram.h"

namespace vantor::sim {

// One sentence per problem, naming the block or line; empty when sound.
std::vector<std::string> check_diagram(const Diagram& diagram);

}  // namespace vantor::sim
