#pragma once

#include <string>
#include <vector>

#include "model/model.h"
#include "sim/diagram_check.h"

namespace vantor {

// "12 (sum)": an element by its number and caption, as problem reports name
// the elements behind generated blocks; the number alone when it is not in
// the model.
std::string element_label(const Model& model, int element);

// One line per problem: "error: " or "warning: ", the checker's sentence,
// then in brackets the elements whose blocks it concerns.
std::vector<std::string> problem_lines(const Model& model,
                                       const std::vector<sim::Problem>& problems);

// The window's one message about a generated file: what it was written to,
// the first `limit` problems, and how many more there are.
std::string problems_message(const Model& model, const std::string& path,
                             const std::vector<sim::Problem>& problems, std::size_t limit = 10);

}  // namespace vantor
