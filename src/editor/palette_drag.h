#pragma once

#include <span>

#include "model/records.h"
#include "window/app_state.h"
#include "window/controls.h"

namespace vantor {

// A palette shows a library's entry unselected, with its glyph.
void show_palette_entry(ObjRecord& obj, Glyph& glyph);

enum class PaletteDragOutcome {
    kTaken,    // the entry, or the block a port belongs to, is in app.dragobj
    kNoEntry,  // i is not one of the palette's entries
    kNoBlock,  // i is a port of entry `block`, which the palette does not have
};

struct PaletteDrag {
    PaletteDragOutcome outcome = PaletteDragOutcome::kTaken;
    int block = 0;
};

// A drag over entry i of a palette whose entry k is objs[k], shown by
// image1[k] (k from 1; both hold the unused element 0). The entry goes into
// app.dragobj with the caption its glyph shows; a port ("con") hands over its
// block, entry auxil2, instead. No selection rectangle starts until the drop.
// Nothing changes when the outcome is not kTaken.
PaletteDrag drag_palette_entry(AppState& app, std::span<const ObjRecord> objs,
                               std::span<const Glyph> image1, int i);

}  // namespace vantor
