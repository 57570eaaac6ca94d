#include "editor/command_handlers.h"

#include "causality/causality_commands.h"
#include "editor/clipboard.h"
#include "editor/edit_commands.h"
#include "editor/element_dblclick.h"
#include "editor/rotate.h"

namespace vantor::command_handlers {

bool open_edit_menu(CommandContext& c) {
    edit_Click(c.window);
    return true;
}

// As a disabled item, nothing when there is no step.
bool edit_undo(CommandContext& c) {
    c.history.undo(c.window, c.app);
    return true;
}

bool edit_redo(CommandContext& c) {
    c.history.redo(c.window, c.app);
    return true;
}

bool delete_selection(CommandContext& c) {
    ddelete_Click(c.window, c.app);
    return true;
}

bool cut(CommandContext& c) {
    Cut_Click(c.window, c.app, c.clipboard);
    return true;
}

bool copy(CommandContext& c) {
    Copy_Click(c.window, c.app, c.clipboard);
    return true;
}

bool paste(CommandContext& c) {
    paste_Click(c.window, c.app, c.host);
    return true;
}

bool rotate(CommandContext& c) {
    rotate_Click(c.window, c.app);
    return true;
}

bool select_all(CommandContext& c) {
    selectall_Click(c.window, c.app);
    return true;
}

bool show_parameters(CommandContext& c) {
    Showp_Click(c.window, c.app);
    return true;
}

bool simulink1(CommandContext& c) {
    simulink_Click(c.window, 1);
    return true;
}

bool simulink2(CommandContext& c) {
    simulink_Click(c.window, 2);
    return true;
}

bool simulink3(CommandContext& c) {
    simulink_Click(c.window, 3);
    return true;
}

bool assign(CommandContext& c) {
    return assign_Click(c.window, read_priority_tables(c.app.program_dir), c.causality) !=
           AssignOutcome::kTableUnreadable;
}

bool extend(CommandContext& c) {
    extend_Click(c.window, c.causality);
    return true;
}

bool undo_causality(CommandContext& c) {
    Undo_Click(c.window, c.causality);
    return true;
}

}  // namespace vantor::command_handlers
