#pragma once

#include <iosfwd>

#include "model/model.h"

namespace vantor {

// "selected: 2 5" when elements are selected, else nothing.
void print_selection(std::ostream& out, const Model& model);

}  // namespace vantor
