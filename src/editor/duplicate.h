#pragma once

#include "window/app_state.h"
#include "window/model_window.h"

namespace vantor {

// Whether the copies that `duplicar` would make fit in the model: the
// selected elements, and the selected bonds whose two ends are selected.
bool duplicate_fits(const ModelWindow& window);

// Appends a copy of every selected element (unselected, in colnorm, with no
// bonds counted) and of every selected bond between two of them; `objlink`
// maps each element to its copy (0 when not copied). Links between copies
// (`auxil2`, `index`) follow the copies and become 0 when they pointed at an
// element left out. The copied bonds end up selected in place of the
// originals. Call only when `duplicate_fits`.
void duplicar(ModelWindow& window, AppState& app);

}  // namespace vantor
