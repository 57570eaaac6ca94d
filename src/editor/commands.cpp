#include "editor/commands.h"

#include "editor/action_history.h"
#include "editor/command_handlers.h"

namespace vantor {

bool command_enabled(const Command& command, const ModelWindow& window,
                     const ActionHistory& history) {
    switch (command.enabled) {
        case Enabled::kAlways:
            return true;
        case Enabled::kSelection:
            return window.menus.*command.flag;
        case Enabled::kCanUndo:
            return history.can_undo(window);
        case Enabled::kCanRedo:
            return history.can_redo(window);
    }
    return true;
}

bool command_checked(const Command& command, const ModelWindow& window) {
    switch (command.check) {
        case Check::kNone:
            return false;
        case Check::kFlag:
            return window.menus.*command.flag;
        case Check::kVersion:
            return window.menus.simulink_version == command.version;
    }
    return false;
}

std::string command_caption(const Command& command, const ActionHistory& history) {
    std::string caption;
    if (command.enabled == Enabled::kCanUndo) {
        caption = history.undo_text();
    } else if (command.enabled == Enabled::kCanRedo) {
        caption = history.redo_text();
    } else {
        return std::string(command.caption);
    }
    // A step's name holds a plain "&" ("Assign & Check"), which a caption doubles.
    for (std::size_t at = 0; (at = caption.find(" & ", at)) != std::string::npos; at += 4) {
        caption.replace(at, 3, " && ");
    }
    return caption;
}

EditorEvent menu_event(const Command& command) {
    EditorEvent event;
    event.kind = EventKind::kMenu;
    event.name = command.word;
    return event;
}

bool run_command(const Command& command, CommandContext& context) {
    if (!command_enabled(command, context.window, context.history)) return true;
    return command.run(context);
}

}  // namespace vantor
