#pragma once

#include "editor/clipboard_port.h"
#include "editor/editor_host.h"
#include "window/app_state.h"
#include "window/model_window.h"

namespace vantor {

inline constexpr const char* kTooManyBonds = "The model cannot hold more than 1000 bonds";

// Whether "con" element i goes with a copy: every element it hangs on, up to
// the first that is not a "con", is selected. So a port goes only with its
// block, and a connection point only with the whole chain before it. False
// for a chain that leaves the model or loops.
bool cadena_sel(const Model& model, int i);

// During and after a Copy: the clipboard position of element k, 0 when it was
// not copied or is no element of the model.
int clip_position(const ModelWindow& window, int k);

// Whether Copy takes bond j: it is selected and both its ends were copied.
bool bond_goes_with_copy(const ModelWindow& window, int j);

// Copy: the selected elements (ports and connection points only with what
// they hang on) and the selected bonds between them onto the internal
// clipboard, shared by all windows, with the group's top-left corner moved to
// (100, 100) and references turned into clipboard positions; then the
// picture of the copy onto the system clipboard. A selection of nothing but
// ports and connection points copies nothing.
void Copy_Click(ModelWindow& window, AppState& app, ClipboardPort& clipboard);

// Paste: the internal clipboard appended to the model, 100 twips inside the
// visible area's top-left corner, selected alone. The clipboard stays, so the
// same group can be pasted again, into any window. A paste that would take
// the model past 1000 elements or 1000 bonds only tells `host` so.
void paste_Click(ModelWindow& window, AppState& app, EditorHost& host);

}  // namespace vantor
