#pragma once

#include "window/app_state.h"
#include "window/model_window.h"

namespace vantor {

// The connecting side of the mouse: bonds drawn with the left button, signal
// links and copy-drags with the right one. The mouse handlers call these at
// the points where a gesture turns into a connection.

// A move over the background with the left button held while the pointer is
// a cross or the connect pointer: the rubber band follows (x, y).
void bond_drawing_step(ModelWindow& window, AppState& app, float x, float y);

// The mouse-up on the background while the rubber band is shown: the bond is
// made or thrown away.
void complete_or_discard_bond(ModelWindow& window, AppState& app);

// A move of pressed glyph i with the right button held; (x, y) relative to
// the glyph, (dx, dy) from the press point.
void right_drag_step(ModelWindow& window, AppState& app, int i, float x, float y, double dx,
                     double dy);

// The release of pressed glyph i; (x, y) relative to the glyph.
void image1_MouseUp(ModelWindow& window, AppState& app, int i, int button, int shift, float x,
                    float y);

}  // namespace vantor
