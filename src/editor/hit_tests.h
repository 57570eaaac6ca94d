#pragma once

#include "window/model_window.h"

namespace vantor {

// An element that busca_objeto may find: one that can take another bond and
// is not a text note.
bool takes_another_bond(const ObjRecord& obj);

// Whether (x, y) lies near glyph g: within its width and height of its
// centre.
bool near_glyph(const Glyph& g, float x, float y);

// The first element, in number order, that can take another bond, is not a
// text note and lies near (x, y): within its glyph's width and height of the
// glyph's centre. 0 when there is none.
int busca_objeto(const ModelWindow& window, float x, float y);

// The last bond whose line passes within 40 twips of (x, y), between its
// ends. 0 when there is none.
int busca_linea(const ModelWindow& window, float x, float y);

}  // namespace vantor
