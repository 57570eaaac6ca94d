#include "simulink/generation_problems.h"

#include "model/element_kinds.h"
#include "sim/element_numbers.h"

namespace vantor {

std::string element_label(const Model& model, int element) {
    if (!in_model(model, element)) return std::to_string(element);
    return std::to_string(element) + " (" +
           model.objs[static_cast<std::size_t>(element)].caption.trimmed() + ")";
}

std::vector<std::string> problem_lines(const Model& model,
                                       const std::vector<sim::Problem>& problems) {
    std::vector<std::string> lines;
    for (const sim::Problem& problem : problems) {
        std::string line = problem.severity == sim::Severity::kError ? "error: " : "warning: ";
        line += problem.message;
        const std::vector<int> elements = sim::element_numbers(problem.blocks);
        for (std::size_t k = 0; k < elements.size(); ++k) {
            line += (k == 0 ? (elements.size() == 1 ? " (element " : " (elements ") : ", ") +
                    element_label(model, elements[k]);
        }
        if (!elements.empty()) line += ")";
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string problems_message(const Model& model, const std::string& path,
                             const std::vector<sim::Problem>& problems, std::size_t limit) {
    const std::vector<std::string> lines = problem_lines(model, problems);
    std::string text = "The Simulink file " + path + " was written, but reading it back found " +
                       std::to_string(lines.size()) +
                       (lines.size() == 1 ? " problem:" : " problems:");
    for (std::size_t k = 0; k < lines.size() && k < limit; ++k) text += "\r" + lines[k];
    if (lines.size() > limit) {
        text += "\r... and " + std::to_string(lines.size() - limit) + " more.";
    }
    return text;
}

}  // namespace vantor
