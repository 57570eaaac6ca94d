#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/model.h"
#include "simulink/port_tables.h"

namespace vantor {

// Turns the causal bond graph into signal lines between the recorded ports:
// every power bond gives an effort line and a flow line, every signal link
// that ends at an input port one line. Junctions take their common variable
// from the far end of their strong bond and sum the others on numbered inputs.
class Wiring {
  public:
    // `lin_cod` is the connection template, used as it is.
    Wiring(Model& model, PortTables& ports, std::string lin_cod);

    // Resolves the junction variables and appends every line to `out`.
    void append_lines(std::string& out);

  private:
    void resolve_variables();
    void follow_strong_bonds(int junction, std::vector<PortTables::Columns>& table);
    void bond_lines(int j, std::string& out);
    void signal_line(int j, std::string& out);

    Model& model_;
    PortTables& ports_;
    std::string lin_cod_;
    std::vector<int> input_counter_;
    std::vector<int> signal_offset_;
};

// One copy of "lin.cod" with #block1#, #block2#, #con1# and #con2# filled in,
// appended to `out`; nothing when either block name is empty.
void agregar_linea(std::string& out, std::string_view lin_cod, const std::string& block1,
                   const std::string& block2, int con1, int con2);

}  // namespace vantor
