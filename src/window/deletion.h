#pragma once

#include "window/app_state.h"
#include "window/model_window.h"

namespace vantor {

// copiar_imagen: gives glyph `dest` the appearance of glyph `src` (place,
// caption, colour, size, font, frame), as a deletion moves a glyph into a
// hole and a duplicate starts from its original.
void copiar_imagen(Glyph& dest, const Glyph& src);

// Bond deletion: a bond proper lowers the `numlin` of both its ends (a bond
// that names an element outside the model changes none); a signal link frees
// the connection point at its obj1 end (`index` 0). Then the last bond's
// record moves into the hole and its line controls are unloaded; the line
// controls of the hole stay as they were until a redraw.
void borrar_linea(ModelWindow& window, int j);

// Element deletion: deletes the bonds that touch element i, then moves the
// last element into the hole (record and glyph), renumbers every reference to
// the moved element (bond ends, the `auxil2` of ports and connection points,
// the `index` of connection points), and deletes, one after another, the
// ports and connection points left without their owner or predecessor.
void borrar_objeto(ModelWindow& window, const AppState& app, int i);

}  // namespace vantor
