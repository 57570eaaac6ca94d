#pragma once

#include "causality/causality_host.h"
#include "model/model.h"

namespace vantor {

// Clears every selection, selects `element` (when > 0), shows "Causality error
// in the selected element", redraws and sets causerr.
void report_causality_error(ModelWindowState& window, CausalityHost& host, int element);

}  // namespace vantor
