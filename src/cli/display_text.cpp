#include "cli/display_text.h"

#include <cstdio>

#include "model/cp1252.h"

namespace vantor {

namespace {

bool append_escape(std::string& out, char c) {
    switch (c) {
        case '\r':
            out += "\\r";
            return true;
        case '\n':
            out += "\\n";
            return true;
        case '\t':
            out += "\\t";
            return true;
        default:
            break;
    }
    const auto u = static_cast<unsigned char>(c);
    if (u >= 0x20 && u != 0x7F) return false;
    char hex[8];
    std::snprintf(hex, sizeof hex, "\\x%02X", u);
    out += hex;
    return true;
}

}  // namespace

std::string escape_controls(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (append_escape(escaped, c)) continue;
        // C1 controls (U+0080..U+009F) act on some terminals as ESC sequences do.
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0u;
        if (static_cast<unsigned char>(c) == 0xC2 && next >= 0x80 && next <= 0x9F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\u%04X", next);
            escaped += hex;
            ++i;
            continue;
        }
        escaped += c;
    }
    return escaped;
}

std::string display_text(std::string_view bytes) {
    std::string escaped;
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            escaped += '\\';
            escaped += c;
            continue;
        }
        if (append_escape(escaped, c)) continue;
        if (u == 0x81 || u == 0x8D || u == 0x8F || u == 0x90 || u == 0x9D) {
            // Bytes that Windows-1252 leaves undefined stay visible as numbers.
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", u);
            escaped += hex;
            continue;
        }
        escaped += c;
    }
    return cp1252_to_utf8(escaped);
}

}  // namespace vantor
