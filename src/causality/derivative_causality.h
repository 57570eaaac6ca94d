#pragma once

#include <string>
#include <vector>

#include "model/model.h"

namespace vantor {

// The storage elements in derivative causality, ascending: the elements of the
// integral-causality priority tables (3 and 4) whose first bond carries its
// stroke at the end the table does not want, as Assign & Check finds them.
// Throws FileError when a table cannot be read.
std::vector<int> derivative_causality_elements(const Model& model, const std::string& program_dir);

}  // namespace vantor
