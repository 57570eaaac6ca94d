#include "model/logical_line_reader.h"

#include <algorithm>

#include "model/text.h"

namespace vantor {

std::string LogicalLineReader::lectura() {
    for (;;) {
        if (at_end()) {
            last_start_ = pos_;
            return "end=";
        }
        // 0x8D turns into CR, which is neither a blank, "=" nor "%", so the
        // trimming and the tests below can look at the field before it turns.
        const std::string_view field = ltrim_blanks(read_field());
        if (!field.empty() && field.front() == '%') continue;  // a comment
        std::string text(trim_blanks(field));
        if (field.find('=') == std::string_view::npos) text += '=';
        std::replace(text.begin(), text.end(), kCaptionLineBreak, '\r');
        return text;
    }
}

std::string_view LogicalLineReader::read_field() {
    while (pos_ < bytes_.size() && bytes_[pos_] == ' ') ++pos_;
    last_start_ = pos_;
    if (pos_ < bytes_.size() && bytes_[pos_] == '"') {
        const std::size_t open = pos_ + 1;
        const std::size_t close = bytes_.find('"', open);
        if (close == std::string_view::npos) {
            pos_ = bytes_.size();
            return bytes_.substr(open);
        }
        pos_ = field_end(close + 1);
        consume_delimiter();
        return bytes_.substr(open, close - open);
    }
    const std::size_t end = field_end(pos_);
    const std::string_view field = bytes_.substr(pos_, end - pos_);
    pos_ = end;
    consume_delimiter();
    return field;
}

std::size_t LogicalLineReader::field_end(std::size_t from) const {
    // A plain loop: find_first_of calls memchr once per byte here.
    std::size_t i = from;
    while (i < bytes_.size() && bytes_[i] != ',' && bytes_[i] != '\r') ++i;
    return i;
}

void LogicalLineReader::consume_delimiter() {
    if (pos_ >= bytes_.size()) return;
    if (bytes_[pos_] == ',') {
        ++pos_;
    } else if (bytes_[pos_] == '\r') {
        ++pos_;
        if (pos_ < bytes_.size() && bytes_[pos_] == '\n') ++pos_;
    }
}

int LogicalLineReader::line() const {
    int line = 1;
    const std::size_t end = std::min(last_start_, bytes_.size());
    for (std::size_t i = 0; i < end; ++i) {
        const char c = bytes_[i];
        if (c == '\n' || (c == '\r' && (i + 1 >= bytes_.size() || bytes_[i + 1] != '\n'))) ++line;
    }
    return line;
}

KeyValue split_key_value(std::string_view line) {
    const std::size_t p = line.find('=');
    if (p == std::string_view::npos) return {to_lower_ascii(trim_blanks(line)), {}};
    return {to_lower_ascii(trim_blanks(line.substr(0, p))), trim_blanks(line.substr(p + 1))};
}

}  // namespace vantor
