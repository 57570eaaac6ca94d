#pragma once

#include "editor/editor_host.h"
#include "editor/events.h"
#include "window/app_state.h"
#include "window/model_window.h"

namespace vantor {

// Runs the handler that a pointer, scroll, resize, drop or caption box event
// stands for.
// A drop adds `app.dragobj`, which the caller sets first. False, with nothing
// done, for the other kinds (menus, dialog).
bool dispatch_pointer_event(ModelWindow& window, AppState& app, EditorHost& host,
                            const EditorEvent& event);

}  // namespace vantor
