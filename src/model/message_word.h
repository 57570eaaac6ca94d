#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vantor {

// The most characters of one word that a message quotes.
inline constexpr std::size_t kMessageWordLimit = 200;

// A word of the user's input as a message quotes it: a NUL written "\x00",
// as the other control bytes are shown (a message ends at a NUL when it
// becomes C text), and a word longer than kMessageWordLimit characters cut
// there, with "…", so that a huge word cannot make a huge message.
std::string message_word(std::string_view word);

}  // namespace vantor
