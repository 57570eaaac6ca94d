#pragma once

#include <string>
#include <string_view>

namespace vantor {

// Model text is Windows-1252; terminals and the GUI speak Unicode. The five
// bytes that the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map
// to the control characters of the same number, so every byte survives a
// round trip, 0x8D (the caption line break) included.
std::string cp1252_to_utf8(std::string_view bytes);

// The inverse. A character the code page cannot hold becomes "?".
std::string utf8_to_cp1252(std::string_view utf8);

}  // namespace vantor
