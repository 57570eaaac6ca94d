#pragma once

#include <string>

#include "window/app_state.h"
#include "window/model_window.h"

namespace vantor {

// The window's state after a replay as one JSON object, in a fixed key order,
// for comparing replays: counts and flags, scroll values and size, pointer,
// menu states, clipboard counts, the caption box, then per element its record
// and glyph and per bond its record and three lines. Singles are written with
// "%.9g" (enough to read back exactly); record texts trimmed of blanks, a
// glyph's caption and Text1's text as they are, all as UTF-8.
std::string format_state_file(const ModelWindow& window, const AppState& app);

}  // namespace vantor
