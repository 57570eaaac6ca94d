#pragma once

#include <string_view>

#include "editor/clipboard_port.h"
#include "editor/editor_host.h"
#include "window/app_state.h"
#include "window/model_window.h"

namespace vantor {

// The Edit menu's items by the names journals give them: "ddelete", "Cut",
// "copy", "paste", "rotate", "selectall", and "edit" for opening the menu.
bool is_edit_menu_item(std::string_view item);

// Whether the item can be chosen now: Delete, Cut, Copy and Rotate follow
// the selection; Paste, Select All and the menu itself always can.
bool edit_item_enabled(const ModelWindow& window, std::string_view item);

// Runs an Edit menu item as a click on it does; a disabled item does
// nothing. False, with nothing done, for an item of another menu.
bool run_edit_menu(ModelWindow& window, AppState& app, EditorHost& host, ClipboardPort& clipboard,
                   std::string_view item);

}  // namespace vantor
