#include "cli/print_selection.h"

#include <ostream>
#include <string>

namespace vantor {

void print_selection(std::ostream& out, const Model& model) {
    std::string selected;
    for (int i = 1; i <= model.nobj; ++i) {
        if (model.objs[i].selected != kFalse) selected += " " + std::to_string(i);
    }
    if (!selected.empty()) out << "selected:" << selected << "\n";
}

}  // namespace vantor
