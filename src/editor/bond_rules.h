#pragma once

#include "model/model.h"
#include "window/model_window.h"

namespace vantor {

// The rules by which the mouse handlers start, aim and end a bond. The
// handlers decide by them, and the drawing feedback foretells the handlers
// by asking the same ones, so the two cannot disagree.

// A left drag on the background draws a bond while the pointer is the cross
// or the connect pointer.
bool pointer_draws_bonds(const ModelWindow& window);

// The first step of such a drag starts a bond at `overobj` when that is an
// element and the model has room for one more bond.
bool bond_may_start(const ModelWindow& window);

// One end of a bond must be a junction.
bool has_junction_end(const Model& m, int from, int to);

// A bond may join `from` to `to` when `to` is another element, not joined
// to `from` yet, and one of the two is a junction.
bool bond_target_valid(const ModelWindow& window, int from, int to);

// The element the release of the bond being drawn looks at: the one near
// the rubber band's free end (busca_objeto), 0 for none.
int bond_release_target(const ModelWindow& window);

// Whether the release, looking at `target`, makes bond `nlin`: the target is
// another element, the pointer shows that the last step found it valid, the
// two are not joined yet and the start is an element.
bool release_makes_bond(const ModelWindow& window, int target);

}  // namespace vantor
