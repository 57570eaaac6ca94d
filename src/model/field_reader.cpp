#include "model/field_reader.h"

#include <algorithm>

namespace vantor {

FieldReader::FieldReader(std::string_view bytes) : bytes_(bytes) {
    if (bytes.find('\r') == std::string_view::npos && bytes.find('\n') != std::string_view::npos) {
        line_end_ = '\n';
    }
}

std::string_view FieldReader::next() {
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

std::size_t FieldReader::field_end(std::size_t from) const {
    // A plain loop: find_first_of calls memchr once per byte here.
    std::size_t i = from;
    while (i < bytes_.size() && bytes_[i] != ',' && bytes_[i] != line_end_) ++i;
    return i;
}

void FieldReader::consume_delimiter() {
    if (pos_ >= bytes_.size()) return;
    if (bytes_[pos_] == ',') {
        ++pos_;
    } else if (bytes_[pos_] == line_end_) {
        ++pos_;
        if (line_end_ == '\r' && pos_ < bytes_.size() && bytes_[pos_] == '\n') ++pos_;
    }
}

int FieldReader::line() const {
    int line = 1;
    const std::size_t end = std::min(last_start_, bytes_.size());
    for (std::size_t i = 0; i < end; ++i) {
        const char c = bytes_[i];
        if (c == '\n' || (c == '\r' && (i + 1 >= bytes_.size() || bytes_[i + 1] != '\n'))) ++line;
    }
    return line;
}

}  // namespace vantor
