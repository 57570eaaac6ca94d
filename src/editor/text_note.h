#pragma once

#include "window/app_state.h"
#include "window/model_window.h"

namespace vantor {

// Makes an empty text note on the selection rectangle `sector`, selected
// alone, with the caption edit box shown and focused on it for its text.
// False, with nothing changed, when the model already holds 1000 elements.
bool create_text_note(ModelWindow& window, AppState& app);

}  // namespace vantor
