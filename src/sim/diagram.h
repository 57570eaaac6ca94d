#pragma once

// The block diagram that a generated Simulink file describes, as the readers
// of the three template folders' forms give it back. Block types and
// parameter names are today's Simulink BlockType and parameter names; the
// readers of older formats translate theirs into these.

#include <array>
#include <map>
#include <string>
#include <vector>

namespace vantor::sim {

struct Block {
    std::string name;  // the block's name in the system, e.g. "12int"
    // Integrator, Derivative, Gain, Sum, Constant, Step, Sin, Product, Fcn,
    // Mux, Demux, Scope, Terminator; or, as written, a type none of them is,
    // for the checker and the simulator to report.
    std::string type;
    // Parameter name -> value as written (a MATLAB expression or a string):
    // Integrator InitialCondition; Gain Gain; Sum Inputs ("+-+"); Constant
    // Value; Step Time, Before, After; Sin Amplitude, Frequency, Phase, Bias;
    // Product Inputs ("2", "*/"); Fcn Expr (in u); Mux Inputs; Demux Outputs.
    std::map<std::string, std::string> params;
    std::array<int, 4> position{};  // [left top right bottom]
    int line = 0;                   // the line of the file it was read from (0: not known)
};

struct Line {
    std::string src;
    int src_port = 1;
    std::string dst;
    int dst_port = 1;
};

struct Diagram {
    std::string name;
    std::vector<Block> blocks;
    std::vector<Line> lines;
    double stop_time = 10;
};

}  // namespace vantor::sim
