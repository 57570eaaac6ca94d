#pragma once

#include "window/app_state.h"
#include "window/model_window.h"

namespace vantor {

// After the scroll origin changed: every glyph back at its element's
// position, every bond's lines shifted by the same amount.
void mrefresco(ModelWindow& window);

// Lays out the scroll bars and the corner filler for the window's outer size.
void Form_Resize(ModelWindow& window);

// Sets a scroll bar's value (clamped to 0..20000). When the value changes,
// every control (glyphs, the three lines of every bond, Line1, sector, Text1,
// the scroll bars themselves) is shifted by the change so that it keeps its
// place on the screen, then HScroll1_Change / VScroll1_Change runs mrefresco. A value that
// does not change runs nothing.
void set_hscroll(ModelWindow& window, int value);
void set_vscroll(ModelWindow& window, int value);

// Moves element el by (dx, dy) during a drag: with the whole selection and
// el's ports when el is selected, alone (and then selected alone) when not;
// pushes the group back into the working area (one corrective move at most),
// redraws with qrefresco and scrolls to keep el in view. A position that no
// longer fits 16 bits throws Int16Overflow (display/stored_int16.h).
void mover(ModelWindow& window, AppState& app, int el, float dx, float dy);

// Whether a bond among 1..nlin-1 joins a and b, in either direction.
bool existe_linea(const ModelWindow& window, int a, int b);

}  // namespace vantor
