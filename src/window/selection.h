#pragma once

#include <vector>

#include "window/app_state.h"
#include "window/model_window.h"

namespace vantor {

// Clears every selection: flags, glyph and bond colours (colnorm), and
// disables Copy, Cut, Delete and Rotate.
void deselecciona(ModelWindow& window, const AppState& app);

// Enables Copy, Cut, Delete and Rotate.
void habilita(ModelWindow& window);

// Selects element i: its flag and its glyph's colour.
void select_element(ModelWindow& window, const AppState& app, int i);

// Leaves the elements of `elements` that are in the model alone selected and
// enables the selection commands: how a command points at the elements its
// message names.
void select_elements(ModelWindow& window, const AppState& app, const std::vector<int>& elements);

// Selects bond j: its flag and its three lines' colour.
void select_bond(ModelWindow& window, const AppState& app, int j);

}  // namespace vantor
