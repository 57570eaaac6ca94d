#pragma once

// Small hand-written diagrams, in the script form the templates generate.

#include <fstream>
#include <sstream>
#include <string>

namespace vantor::sim::test {

// The text of tests/data/diagrams/as_NAME.m, whose first line says what it is.
inline std::string diagram_text(const std::string& name) {
    std::ifstream in(std::string(VANTOR_DIAGRAMS_DIR) + "/as_" + name + ".m", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// An RC low-pass on a unit step: RC v' = 1 - v with RC = 1e3 * 1e-3 = 1 s.
inline constexpr const char* kRcScript =
    "% RC low-pass\r\n"
    "sys = 'rc';\r\n"
    "new_system(sys)\r\n"
    "add_block('built-in/Step',[sys '/src'],'Time','0','After','1','Position',[20 20 50 50]);\n"
    "add_block('built-in/Sum',[sys '/err'],'Inputs','+-', ... the signs\n"
    "    'Position',[80 -20 100 40])\r"
    "add_block('built-in/Gain',[sys '/k'],'Gain','1/(1e3*1e-3)')\n"
    "add_block('built-in/Integrator',[sys '/v'],'InitialCondition','0')\n"
    "add_block('built-in/Scope',[sys '/scope'])\n"
    "set_param([sys '/k'],'Position','[120 20 150 50]')\n"
    "add_line(sys,'src/1','err/1'), add_line(sys,'err/1','k/1')\n"
    "add_line(sys,'k/1','v/1'); add_line(sys,'v/1','err/2')\n"
    "add_line(sys,'v/1','scope/1')\n"
    "set_param(sys,'StopTime','5')\n"
    "open_system(sys)\n";

}  // namespace vantor::sim::test
