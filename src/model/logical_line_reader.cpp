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
        std::string text(read_field());
        std::replace(text.begin(), text.end(), kCaptionLineBreak, '\r');
        text = std::string(ltrim_blanks(text));
        if (text.find('=') == std::string::npos) text = std::string(trim_blanks(text)) + "= ";
        if (!text.empty() && text.front() == '%') continue;
        return std::string(trim_blanks(text));
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
        pos_ = std::min(bytes_.find_first_of(",\r", close + 1), bytes_.size());
        consume_delimiter();
        return bytes_.substr(open, close - open);
    }
    const std::size_t end = std::min(bytes_.find_first_of(",\r", pos_), bytes_.size());
    const std::string_view field = bytes_.substr(pos_, end - pos_);
    pos_ = end;
    consume_delimiter();
    return field;
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
    return {to_lower_ascii(trim_blanks(line.substr(0, p))),
            std::string(trim_blanks(line.substr(p + 1)))};
}

}  // namespace vantor
