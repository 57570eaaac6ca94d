#pragma once

#include <string>
#include <string_view>

namespace vantor {

// The bytes of a generated model: 0xB8 (a template comma) becomes "," and 0x8D
// (a caption line break) becomes CR.
std::string code_bytes(std::string_view codigo);

}  // namespace vantor
