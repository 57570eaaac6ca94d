#pragma once

#include "editor/editor_host.h"
#include "window/app_state.h"
#include "window/model_window.h"

namespace vantor {

inline constexpr const char* kTooManyElements = "The model cannot hold more than 1000 elements";

// The drop of the palette entry `app.dragobj` at (x, y), in scrolled twips:
// the entry becomes element nobj + 1, followed by its ports, selected alone,
// centred on the drop point and in front of the other glyphs. A drop that
// would take the model past 1000 elements only tells the host so.
void Form_DragDrop(ModelWindow& window, AppState& app, EditorHost& host, float x, float y);

// Shows the glyph of new element i and appends its ports: the input ports
// 1..maxsigninp, then the output ports 1..signout. The caller makes sure they
// fit.
void nueva_imagen(ModelWindow& window, AppState& app, int i);

}  // namespace vantor
