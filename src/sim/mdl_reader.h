#pragma once

// Reads a generated Simulink model file in the 2.x .mdl text format into the
// diagram it describes. The subset is what the code2 templates write:
//
//   Model {
//     Name "example"
//     StopTime "10"
//     System {
//       Name "example"
//       Block { BlockType Gain  Name "4e"  Position [400, 40, 430, 70]  Gain "10" }
//       Line { SrcBlock "3f"  SrcPort 1  DstBlock "4e"  DstPort 1 }
//     }
//   }
//
// Values are quoted texts (consecutive texts join), bare words or numbers, and
// [l, t, r, b] vectors for Position. Blocks and lines may come in any order.

#include <string_view>

#include "sim/diagram.h"

namespace vantor::sim {

// Throws std::runtime_error naming the line of the file for anything outside
// the subset: a syntax error, an unknown section, model, system or line
// parameter, a missing or repeated entry, a branched line, or a port number
// that is not a positive integer. Block types and block parameters are kept
// as written; the checker and the simulator judge them.
Diagram read_mdl(std::string_view text);

}  // namespace vantor::sim
