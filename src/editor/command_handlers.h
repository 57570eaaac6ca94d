#pragma once

#include "causality/causality_host.h"
#include "editor/action_history.h"
#include "editor/clipboard_port.h"
#include "editor/editor_host.h"
#include "window/app_state.h"
#include "window/model_window.h"

// The handlers of the commands the core runs alone, as the rows of the
// command table name them. Each returns false only when a support file
// could not be read and the command stopped.
namespace vantor {

// What a command runs on: the window and what shows its results. The
// causality host takes the causality commands' messages and errors; `host`
// the edit commands'.
struct CommandContext {
    ModelWindow& window;
    AppState& app;
    EditorHost& host;
    ClipboardPort& clipboard;
    ActionHistory& history;
    CausalityHost& causality;
};

namespace command_handlers {

bool open_edit_menu(CommandContext& c);
bool edit_undo(CommandContext& c);
bool edit_redo(CommandContext& c);
bool delete_selection(CommandContext& c);
bool cut(CommandContext& c);
bool copy(CommandContext& c);
bool paste(CommandContext& c);
bool rotate(CommandContext& c);
bool select_all(CommandContext& c);
bool show_parameters(CommandContext& c);
bool simulink1(CommandContext& c);
bool simulink2(CommandContext& c);
bool simulink3(CommandContext& c);
bool assign(CommandContext& c);
bool extend(CommandContext& c);
bool undo_causality(CommandContext& c);

}  // namespace command_handlers
}  // namespace vantor
