#pragma once

#include <string>
#include <string_view>

namespace vantor {

// Model text as a terminal shows it: UTF-8, with control characters, NULs,
// quotes and backslashes written as C escapes, so every byte stays visible.
std::string display_text(std::string_view bytes);

}  // namespace vantor
