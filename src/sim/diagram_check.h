#pragma once

// Whether a generated diagram is one Simulink would run as meant: known block
// types and parameters with readable values, lines between ports that exist,
// every input of a connected block fed by exactly one line, and no algebraic
// loop. A block with no line at all is allowed: a two-port element's template
// carries blocks for both of its orientations and only one of them is wired.

#include <string>
#include <vector>

#include "sim/diagram.h"

namespace vantor::sim {

enum class Severity { kError, kWarning };

struct Problem {
    Severity severity = Severity::kError;
    std::string message;              // one sentence naming the blocks or the line
    std::vector<std::string> blocks;  // the blocks it concerns (see element_numbers)
    int line = 0;  // a parameter problem: the line of its block in the file (0: none)

    bool operator==(const Problem&) const = default;
};

// Errors: a block defined twice, an unknown type or parameter, an unreadable
// value or port count, a line to a block or port that does not exist, an
// input fed twice, an algebraic loop. Warnings: an input of a connected block
// that nothing feeds (it reads 0). Empty when sound.
std::vector<Problem> check_diagram(const Diagram& diagram);

}  // namespace vantor::sim
