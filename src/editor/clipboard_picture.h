#pragma once

#include "editor/clipboard_port.h"
#include "window/app_state.h"
#include "window/model_window.h"

namespace vantor {

// The picture of what Copy has just put on the internal clipboard: the glyph
// of every copied element (`objlink` names its clipboard position) at that
// position, and the lines of every copied bond moved by (dx, dy), the shift
// that took the group's corner to (100, 100). A bond's main line is always
// drawn, its barb and stroke when they are shown.
ClipboardPicture copy_picture(const ModelWindow& window, const AppState& app, double dx, double dy);

}  // namespace vantor
