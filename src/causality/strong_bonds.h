#pragma once

#include "causality/bond_lists.h"
#include "model/model.h"

namespace vantor {

// Recomputes strongobj, strongfirst and strongend of every junction from the
// strokes. strongobj of every element is reset first; the other two keep their
// old values where no bond qualifies. When several bonds qualify, the last in
// bond order wins.
void causalizar(Model& model);

// The same without resetting strongobj first: only where a bond qualifies do
// the fields change.
void find_strong_bonds(Model& model);

// The same for one element only, from its own bonds: what causalizar would
// leave in it. Enough after a stroke changed, for the two ends of that bond.
void update_strong_bond(Model& model, const BondLists& lists, int element);

}  // namespace vantor
