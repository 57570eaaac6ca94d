#pragma once

#include "window/app_state.h"
#include "window/model_window.h"

namespace vantor {

// The two passes the redraws share. The full redraw handles everything; the
// partial one only what touches the selection, and leaves some visibility
// and sizing alone.
enum class RedrawScope { kFull, kSelection };

// Every bond 1..nlin in order (with the partial scope, those that touch a
// selected element or are selected): line, barb, stroke, width, colour.
void redraw_bonds(ModelWindow& window, AppState& app, RedrawScope scope);

// Every element nobj down to 1 (with the partial scope, the selected ones):
// position, caption, text notes, ports, connection points.
void redraw_elements(ModelWindow& window, AppState& app, RedrawScope scope);

}  // namespace vantor
