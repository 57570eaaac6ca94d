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

}  // namespace vantor::sim::test
