#pragma once

#include "window/app_state.h"
#include "window/model_window.h"

namespace vantor {

// Makes glyph i agree with element i: visible, caption trimmed (and stored
// back trimmed), position, frame, the text-note font; sized to its caption
// while its autosize flag is set. Colour and z-order are left alone.
void leeimagen(ModelWindow& window, int i);

// The full redraw: every bond's three lines (end points on the glyph circles,
// the snap, the barb, the causal stroke, widths and colours), then every
// element from nobj down to 1 (position, caption with the parameter preview,
// empty text notes deleted, ports placed around their owner, connection
// points shown as the bullet). Ends with saved = 0. A port position that
// does not fit 16 bits throws Int16Overflow (display/stored_int16.h).
void refresco(ModelWindow& window, AppState& app);

// The partial redraw: the bonds that touch a selected element or are
// selected, and the selected elements. Ends with saved = 0.
void qrefresco(ModelWindow& window, AppState& app);

}  // namespace vantor
