#include "model/message_word.h"

namespace vantor {

std::string message_word(std::string_view word) {
    std::string shown;
    std::size_t characters = 0;
    for (const char c : word) {
        // A UTF-8 continuation byte belongs to the character before it.
        const bool starts_character = (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        if (starts_character && ++characters > kMessageWordLimit) {
            shown += "\xE2\x80\xA6";  // U+2026
            break;
        }
        if (c == '\0') {
            shown += "\\x00";
        } else {
            shown += c;
        }
    }
    return shown;
}

}  // namespace vantor
