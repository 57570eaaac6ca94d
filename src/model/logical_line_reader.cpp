#include "model/logical_line_reader.h"

#include <algorithm>

#include "model/text.h"

namespace vantor {

std::string LogicalLineReader::lectura() {
    for (;;) {
        if (fields_.at_end()) {
            fields_.mark_end();
            return "end=";
        }
        // 0x8D turns into CR, which is neither a blank, "=" nor "%", so the
        // trimming and the tests below can look at the field before it turns.
        const std::string_view field = ltrim_blanks(fields_.next());
        if (!field.empty() && field.front() == '%') continue;  // a comment
        std::string text(trim_blanks(field));
        if (field.find('=') == std::string_view::npos) text += '=';
        if (convert_line_breaks_) std::replace(text.begin(), text.end(), kCaptionLineBreak, '\r');
        return text;
    }
}

KeyValue split_key_value(std::string_view line) {
    const std::size_t p = line.find('=');
    if (p == std::string_view::npos) return {to_lower_ascii(trim_blanks(line)), {}};
    return {to_lower_ascii(trim_blanks(line.substr(0, p))), trim_blanks(line.substr(p + 1))};
}

}  // namespace vantor

namespace vantor {

KeyValue split_key_value_skipping_one(std::string_view line) {
    KeyValue kv = split_key_value(line);
    const std::size_t p = line.find('=');
    kv.value = p == std::string_view::npos || p + 2 > line.size() ? std::string_view{}
                                                                  : trim_blanks(line.substr(p + 2));
    return kv;
}

}  // namespace vantor
