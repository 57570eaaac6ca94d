#include "editor/gesture_wait.h"

#include "editor/edit_menu.h"

namespace vantor {

bool is_waiting_command(std::string_view item) {
    return is_edit_menu_item(item) || item == kEditUndoItem || item == kEditRedoItem ||
           item == "assign" || item == "extend" || item == "undo" || item == "generate" ||
           item == "generate_cancelled" || item == "simulate";
}

bool command_waits(const ActionHistory& history, std::string_view item, int held_buttons) {
    return (held_buttons != 0 || history.gesture_open()) && is_waiting_command(item);
}

}  // namespace vantor
