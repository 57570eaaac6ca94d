#include "editor/gesture_wait.h"

#include "editor/commands.h"

namespace vantor {

bool is_waiting_command(std::string_view item) {
    const Command* command = find_command(item);
    return command != nullptr && command->waits;
}

bool command_waits(const ActionHistory& history, std::string_view item, int held_buttons) {
    return (held_buttons != 0 || history.gesture_open()) && is_waiting_command(item);
}

}  // namespace vantor
