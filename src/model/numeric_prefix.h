#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vantor {

// The number at the start of a text, as model files are read: blanks, tabs and
// line feeds anywhere are ignored, then an optional sign, digits, a decimal
// point with digits and an exponent (E or D) are read up to the first other
// character. "&H" and "&O" read hexadecimal and octal; a hexadecimal or octal
// value that fits 16 (or 32) bits is read as a signed number of that width, so
// "&HFFFF" is -1. No number gives 0. Too large a number gives an infinity.
double numeric_prefix(std::string_view text);

// Nearest integer, halves to the even neighbour: 2.5 gives 2, 3.5 gives 4.
double round_half_even(double value);

// The value as it is stored into a 16-bit field: rounded half to even, or
// nothing when the rounded value lies outside -32768..32767.
std::optional<std::int16_t> to_int16(double value);

}  // namespace vantor
