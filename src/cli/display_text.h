#pragma once

#include <string>
#include <string_view>

namespace vantor {

// Model text as a terminal shows it: UTF-8, with control characters, NULs,
// quotes and backslashes written as C escapes, so every byte stays visible.
std::string display_text(std::string_view bytes);

// Text that is already UTF-8 (a message, a path) with its control bytes
// written as C escapes ("\r", "\x1B"); every other byte stays as it is.
std::string escape_controls(std::string_view text);

}  // namespace vantor
