#include "journal/journal_text.h"

#include <array>
#include <cstdio>

#include "model/cp1252.h"

namespace vantor {
namespace {

// The characters of the bytes 0x80..0x9F, taken from the model layer's table
// so that both directions always agree.
const std::array<char32_t, 32>& high_byte_characters() {
    static const std::array<char32_t, 32> table = [] {
        std::array<char32_t, 32> t{};
        for (std::size_t b = 0; b < t.size(); ++b) {
            const std::string utf8 = cp1252_to_utf8(std::string(1, static_cast<char>(0x80 + b)));
            std::size_t i = 0;
            t[b] = decode_utf8(utf8, i).value_or(0xFFFD);
        }
        return t;
    }();
    return table;
}

}  // namespace

std::optional<char32_t> decode_utf8(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    std::size_t extra = 0;
    char32_t c = 0;
    char32_t least = 0;  // the smallest character of that length: shorter forms are overlong
    if ((lead & 0xE0) == 0xC0) {
        extra = 1, c = lead & 0x1F, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, c = lead & 0x0F, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, c = lead & 0x07, least = 0x10000;
    } else {
        return std::nullopt;
    }
    if (text.size() - i <= extra) return std::nullopt;
    for (std::size_t k = 1; k <= extra; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80) return std::nullopt;
        c = (c << 6) | (next & 0x3F);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
    i += extra + 1;
    return c;
}

bool is_utf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        if (!decode_utf8(text, i)) return false;
    }
    return true;
}

std::optional<unsigned char> cp1252_byte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
    const auto& high = high_byte_characters();
    for (std::size_t b = 0; b < high.size(); ++b) {
        if (high[b] == c) return static_cast<unsigned char>(0x80 + b);
    }
    return std::nullopt;
}

std::optional<std::string> utf8_to_cp1252_exact(std::string_view utf8, char32_t* unmapped) {
    std::string bytes;
    bytes.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const std::optional<char32_t> c = decode_utf8(utf8, i);
        const std::optional<unsigned char> byte = c ? cp1252_byte(*c) : std::nullopt;
        if (!byte) {
            if (unmapped != nullptr) *unmapped = c.value_or(0xFFFD);
            return std::nullopt;
        }
        bytes += static_cast<char>(*byte);
    }
    return bytes;
}

std::string code_point_name(char32_t c) {
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(c));
    return name;
}

}  // namespace vantor
