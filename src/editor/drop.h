#pragma once

#include "window/app_state.h"
#include "window/model_window.h"

namespace vantor {

// Creating elements: the drop of the palette entry `app.dragobj` at (x, y),
// and the glyph and ports of a new element.
void Form_DragDrop(ModelWindow& window, AppState& app, float x, float y);
void nueva_imagen(ModelWindow& window, AppState& app, int i);

}  // namespace vantor
