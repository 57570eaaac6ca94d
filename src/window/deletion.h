#pragma once

#include "window/app_state.h"
#include "window/model_window.h"

namespace vantor {

// Bond deletion: the last bond moves into the hole (records and its three
// line controls), the line controls of the last bond are unloaded, and the
// `numlin` of both ends goes down by one (ends outside the model are skipped).
void borrar_linea(ModelWindow& window, int j);

// Element deletion: deletes the bonds that touch element i, then moves the
// last element into the hole (record and glyph), renumbers every reference to
// the moved element (bond ends, the `auxil2` of ports and connection points,
// the `index` of connection points), and deals with the ports and connection
// points that lose their owner, as the edit commands define it.
void borrar_objeto(ModelWindow& window, const AppState& app, int i);

}  // namespace vantor
