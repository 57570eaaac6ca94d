#pragma once

#include "window/app_state.h"
#include "window/model_window.h"

namespace vantor {

// The glyphs' mouse handlers: (x, y) relative to glyph i's top-left corner.

// The first move with a button held is the press: it selects what is
// pressed (keeping a selection the pressed element belongs to) and starts
// the drag. Later moves drag with the left button, or copy and link with the
// right one. Input ports never react.
void image1_MouseMove(ModelWindow& window, AppState& app, int i, int button, int shift, float x,
                      float y);

// The click after the mouse-up: ends a drag, or else selects what was
// clicked.
void image1_Click(ModelWindow& window, AppState& app, int i);

}  // namespace vantor
