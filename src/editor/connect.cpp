#include "editor/connect.h"

namespace vantor {

// Connecting is not built yet: these gestures change nothing so far.

void bond_drawing_step(ModelWindow&, AppState&, float, float) {}

void complete_or_discard_bond(ModelWindow&, AppState&) {}

void right_drag_step(ModelWindow&, AppState&, int, float, float, double, double) {}

void image1_MouseUp(ModelWindow&, AppState&, int, int, int, float, float) {}

}  // namespace vantor
