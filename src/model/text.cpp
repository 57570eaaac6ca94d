#include "model/text.h"

#include <algorithm>

namespace vantor {

std::string_view ltrim_blanks(std::string_view s) {
    std::size_t first = 0;
    while (first < s.size() && s[first] == ' ') ++first;
    return s.substr(first);
}

std::string_view trim_blanks(std::string_view s) {
    s = ltrim_blanks(s);
    std::size_t end = s.size();
    while (end > 0 && s[end - 1] == ' ') --end;
    return s.substr(0, end);
}

std::string to_lower_ascii(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

std::string texto(std::string_view s) {
    std::string out(s);
    std::replace(out.begin(), out.end(), '\r', kCaptionLineBreak);
    return out;
}

std::string invtexto(std::string_view s) {
    std::string out(s);
    std::replace(out.begin(), out.end(), kCaptionLineBreak, '\r');
    return out;
}

std::string nombrecorto(std::string_view path) {
    // Both separators count: models written on Windows name their paths with "\".
    const auto sep = path.find_last_of("/\\");
    std::string_view name = sep == std::string_view::npos ? path : path.substr(sep + 1);
    const auto dot = name.rfind('.');
    // A leading dot names a hidden file, not an extension.
    if (dot != std::string_view::npos && dot > 0) name = name.substr(0, dot);
    return std::string(name);
}

std::string extension_of(std::string_view path) {
    const std::size_t dot = path.find_last_of("./\\");
    if (dot == std::string_view::npos || path[dot] != '.') return {};
    return to_lower_ascii(path.substr(dot + 1));
}

}  // namespace vantor
