#pragma once

#include <string>

#include "window/app_state.h"

namespace vantor {

// What an element of type `type` is, in one line: the first line of its
// description file that is not a "%" comment. Empty when the file is missing,
// unreadable or holds no such line; a tooltip simply has less to say then.
std::string element_summary(const AppState& app, const std::string& type);

}  // namespace vantor
