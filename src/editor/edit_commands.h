#pragma once

#include "editor/clipboard_port.h"
#include "window/app_state.h"
#include "window/model_window.h"

namespace vantor {

// Delete: the selected elements, with their bonds, ports and the chains
// hanging on them, then the selected bonds; the tables stay dense.
void ddelete_Click(ModelWindow& window, AppState& app);

// Cut: Copy, then Delete.
void Cut_Click(ModelWindow& window, AppState& app, ClipboardPort& clipboard);

// Select All: every element and every bond.
void selectall_Click(ModelWindow& window, AppState& app);

// The Edit menu opens: any caption edit ends (the box is hidden, without the
// handling of a focus loss).
void edit_Click(ModelWindow& window);

}  // namespace vantor
