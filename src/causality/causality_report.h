#pragma once

#include "causality/causality_host.h"
#include "model/model.h"

namespace vantor {

// Clears every selection, selects `element` (when > 0), shows "Causality error
// in the selected element" and redraws. Only Extend Causality's report sets
// causerr; Assign & Check's own mandatory conflict leaves it as it was.
void report_causality_error(ModelWindowState& window, CausalityHost& host, int element);

}  // namespace vantor
