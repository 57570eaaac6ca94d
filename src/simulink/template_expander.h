#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/model.h"
#include "simulink/port_tables.h"

namespace vantor {

// Expands element templates one after the other. Text between two "#" is a
// placeholder. The state runs on from one template to the next: a template
// with an odd number of "#" leaves the next one inside a placeholder, and a
// port name chosen at the end of one template applies in the next.
class TemplateExpander {
  public:
    // `arch` is the output file's path; its base name is the placeholder "arch".
    TemplateExpander(const Model& model, PortTables& ports, std::string arch);

    // Appends template `codigo` of element n, expanded, to `out`.
    void expand(std::string_view codigo, int n, std::string& out);

  private:
    void placeholder(int n, std::string& out);
    std::optional<std::string> value_of(const std::string& p, int n) const;

    const Model& model_;
    PortTables& ports_;
    std::string arch_base_;
    bool inside_ = false;
    std::string text_;  // of the placeholder being read
    std::string port_;  // the current port name, or empty
};

}  // namespace vantor
