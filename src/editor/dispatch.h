#pragma once

#include "editor/editor_host.h"
#include "editor/element_dblclick.h"
#include "editor/events.h"
#include "window/app_state.h"
#include "window/model_window.h"

namespace vantor {

// Runs the handler that an event on the model window stands for, as both the
// window and a journal's replay do: what dispatch_pointer_event runs, and the
// double click on a glyph through the driver's `ports`. A drop adds
// `app.dragobj`, which the caller sets first. False, with nothing done, for
// the kinds that are not the window's events (menus, dialog lines).
bool dispatch_event(ModelWindow& window, AppState& app, EditorHost& host, DblClickPorts& ports,
                    const EditorEvent& event);

// The same for the events that need no ports: every kind but the double
// click on a glyph, for which it returns false.
bool dispatch_pointer_event(ModelWindow& window, AppState& app, EditorHost& host,
                            const EditorEvent& event);

}  // namespace vantor
