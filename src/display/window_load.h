#pragma once

#include "window/app_state.h"
#include "window/model_window.h"

namespace vantor {

// The window's side of reading a model, once the records are in: a glyph for
// every element (unselected, its caption trimmed, at its place, with its
// frame, a text note in the caption box's font), the three line controls of
// every bond with the bond line and barb visible, then the full redraw.
void show_loaded_model(ModelWindow& window, AppState& app);

}  // namespace vantor
