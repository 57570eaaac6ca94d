#pragma once

#include <string_view>

#include "editor/action_history.h"

namespace vantor {

// Whether the command of journal word `item` waits during a gesture, as its
// row in the command table says: the Edit and Run commands, which act on
// the model as a whole.
bool is_waiting_command(std::string_view item);

// While a gesture is open, those commands wait: a key or a journal's menu
// line for one does nothing, as Undo waits for the end of an action. A
// gesture is open while a mouse button is held: from the first move that
// carries a button to the release or a focus loss, as the history follows
// it, or, on a display, from the press on (`held_buttons`, the platform's
// buttons that no event has carried yet).
bool command_waits(const ActionHistory& history, std::string_view item, int held_buttons = 0);

}  // namespace vantor
