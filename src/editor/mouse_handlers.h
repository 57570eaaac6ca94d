#pragma once

#include "window/app_state.h"
#include "window/model_window.h"

namespace vantor {

// Hit tests.
int busca_objeto(const ModelWindow& window, float x, float y);
int busca_linea(const ModelWindow& window, float x, float y);

// The window background's mouse handlers: (x, y) in scrolled coordinates.
void form_mousemove(ModelWindow& window, AppState& app, int button, int shift, float x, float y);
void Form_MouseUp(ModelWindow& window, AppState& app, int button, int shift, float x, float y);
void Form_DblClick(ModelWindow& window);
void Form_LostFocus(ModelWindow& window);

// The glyphs' mouse handlers: (x, y) relative to glyph i's top-left corner.
void image1_MouseMove(ModelWindow& window, AppState& app, int i, int button, int shift, float x,
                      float y);
void image1_Click(ModelWindow& window, AppState& app, int i);

}  // namespace vantor
