#pragma once

#include <string>
#include <string_view>

#include "window/app_state.h"
#include "window/model_window.h"

namespace vantor {

// A port's arrow a quarter turn clockwise: ">" "v" "<" "^" and round again.
// Any other caption stays as it is.
std::string turned_clockwise(std::string_view arrow);

// Rotate: when exactly one signal block is selected, every port it owns turns
// a quarter turn clockwise, and a sum, mux or demux block takes the caption
// that puts its signs or word between the turned ports. Anything else
// selected, or nothing, leaves the model as it is.
void rotate_Click(ModelWindow& window, AppState& app);

}  // namespace vantor
