#pragma once

#include "window/model_window.h"

namespace vantor {

// The first element, in number order, that can take another bond, is not a
// text note and lies near (x, y): within its glyph's width and height of the
// glyph's centre. 0 when there is none.
int busca_objeto(const ModelWindow& window, float x, float y);

// The last bond whose line passes within 40 twips of (x, y), between its
// ends. 0 when there is none.
int busca_linea(const ModelWindow& window, float x, float y);

}  // namespace vantor
