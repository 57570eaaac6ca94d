#include "cli/display_text.h"

#include <cstdio>

#include "model/cp1252.h"

namespace vantor {

std::string display_text(std::string_view bytes) {
    std::string escaped;
    for (char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        switch (c) {
            case '\r':
                escaped += "\\r";
                break;
            case '\n':
                escaped += "\\n";
                break;
            case '\t':
                escaped += "\\t";
                break;
            case '"':
                escaped += "\\\"";
                break;
            case '\\':
                escaped += "\\\\";
                break;
            default:
                if (u < 0x20 || u == 0x7F || u == 0x81 || u == 0x8D || u == 0x8F || u == 0x90 ||
                    u == 0x9D) {
                    char hex[8];
                    std::snprintf(hex, sizeof hex, "\\x%02X", u);
                    escaped += hex;
                } else {
                    escaped += c;
                }
        }
    }
    return cp1252_to_utf8(escaped);
}

}  // namespace vantor
