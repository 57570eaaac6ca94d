#pragma once

// A literal transcription of the causality commands, kept as the reference for
// the fast implementation: every sweep scans every element and every bond, and
// the strong bonds are recomputed in full after every stroke.

#include "causality/causality_commands.h"
#include "causality/priority_tables.h"

namespace vantor::reference {

void causalizar(Model& m);
void extend_Click(ModelWindowState& w, CausalityHost& host);
void Undo_Click(ModelWindowState& w, CausalityHost& host);
AssignOutcome assign_Click(ModelWindowState& w, const PriorityTables& tables, CausalityHost& host);

}  // namespace vantor::reference
