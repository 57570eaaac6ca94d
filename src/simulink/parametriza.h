#pragma once

#include "model/model.h"

namespace vantor {

// Prepares a causal model for generation: the strong bonds again, `effin` of
// every element from its last bond, and the sign list of every junction's sum
// in its `parameters`: one sign per bond that is not its strong bond, in bond
// order, "+" for a bond entering the junction when it is the obj2 end of its
// strong bond and the other way round otherwise.
void parametriza(Model& model);

}  // namespace vantor
