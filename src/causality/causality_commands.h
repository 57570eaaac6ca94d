#pragma once

#include <string>

#include "causality/causality_host.h"
#include "causality/priority_tables.h"
#include "model/model.h"

namespace vantor {

enum class AssignOutcome {
    kCompleted,        // warnings included
    kCausalityError,   // stopped on "Causality error in the selected element"
    kTableUnreadable,  // stopped: a priority table could not be read
};

// Assign & Check Causality: the five priority-table passes, with propagation
// after every stroke, and the warnings for derivative causality (which selects
// the elements in it) and algebraic loops. Ends with a redraw. The caller reads
// the tables from the program folder when the command begins
// (read_priority_tables); a table that could not be read stops the command
// when its pass comes. A conflict with a mandatory table stops it with
// kCausalityError and leaves causerr as it was; only Extend Causality's
// conflicts set causerr.
AssignOutcome assign_Click(ModelWindowState& window, const PriorityTables& tables,
                           CausalityHost& host);

// Extend Causality: propagates the strokes through junctions, transformers and
// gyrators until nothing changes; a conflict is reported and sets causerr.
void extend_Click(ModelWindowState& window, CausalityHost& host);

// Undo Causality: clears every stroke of a bond with causa below 3.
void Undo_Click(ModelWindowState& window, CausalityHost& host);

}  // namespace vantor
