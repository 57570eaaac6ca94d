#include "sim/generated_check.h"

#include <stdexcept>

namespace vantor::sim {

std::vector<Problem> check_generated(std::string_view text, GeneratedForm form) {
    Diagram diagram;
    try {
        diagram = read_generated(text, form);
    } catch (const std::runtime_error& e) {
        return {{Severity::kError, e.what(), {}}};
    }
    return check_diagram(diagram);
}

}  // namespace vantor::sim
