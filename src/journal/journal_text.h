#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vantor {

// Journals are UTF-8; the model's text is Windows-1252. Unlike the display's
// lenient conversion, a journal must say exactly which bytes it means: a
// malformed sequence or a character the code page has no byte for is a fault
// of the journal, not something to replace with "?".

// Decodes the UTF-8 sequence at text[i] and advances i past it. Nothing for a
// malformed, overlong or surrogate sequence; i is then left alone.
std::optional<char32_t> decode_utf8(std::string_view text, std::size_t& i);

// Whether the whole of `text` is well-formed UTF-8.
bool is_utf8(std::string_view text);

// The Windows-1252 byte of a character, as cp1252_to_utf8 maps bytes (the
// five undefined bytes stand for U+0081, U+008D, U+008F, U+0090, U+009D).
std::optional<unsigned char> cp1252_byte(char32_t c);

// The model bytes of well-formed UTF-8 text. On a character with no byte,
// nothing, and `unmapped` (when given) receives that character.
std::optional<std::string> utf8_to_cp1252_exact(std::string_view utf8,
                                                char32_t* unmapped = nullptr);

// "U+4E2D": a character as messages name it.
std::string code_point_name(char32_t c);

}  // namespace vantor
