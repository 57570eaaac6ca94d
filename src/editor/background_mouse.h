#pragma once

#include "window/app_state.h"
#include "window/model_window.h"

namespace vantor {

// The window background's mouse handlers: (x, y) in scrolled twips; button
// 1 is the left button, 2 the right one.

// Tracks the pointer: draws the rubber band or the selection rectangle while
// the left button is held, else shows the cross near an element that can take
// a bond.
void form_mousemove(ModelWindow& window, AppState& app, int button, int shift, float x, float y);

// Ends a bond, a selection rectangle (an empty one large enough makes a text
// note), or a click that selects the bond under the pointer (after a double
// click it also cycles the bond's causal stroke).
void Form_MouseUp(ModelWindow& window, AppState& app, int button, int shift, float x, float y);

// Marks the double click for the mouse-up that follows it.
void Form_DblClick(ModelWindow& window);

// Ends a glyph drag.
void Form_LostFocus(ModelWindow& window);

}  // namespace vantor
