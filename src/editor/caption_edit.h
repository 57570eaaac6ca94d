#pragma once

#include "window/app_state.h"
#include "window/model_window.h"

namespace vantor {

// Caption editing in the box `Text1`, laid over a text note.

// Opens the box on glyph i: its place and size, its caption, the focus.
void open_caption_box(ModelWindow& window, int i);

// The box's text changed: every selected element takes it as its caption
// (the record keeps 100 characters) and takes the box's size and font. Delete
// is disabled while text is typed.
void text1_Change(ModelWindow& window);

// The box lost the focus: it closes, Delete is enabled again and the window
// is redrawn. The selection stays.
void Text1_LostFocus(ModelWindow& window, AppState& app);

}  // namespace vantor
