#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vantor {

// Reads the logical lines of a model or library file held in memory.
//
// A field runs to the next comma or line end; a line ends at CR or CR LF, never
// at a lone LF, which caption text may hold. A field that starts with a double
// quote runs to the next double quote, and the rest up to the comma or line end
// is dropped. 0x8D becomes CR, "%" lines are comments, a text without "=" gets
// "=" appended, and the end of the file reads as "end=".
class LogicalLineReader {
  public:
    explicit LogicalLineReader(std::string_view bytes) : bytes_(bytes) {}

    bool at_end() const { return pos_ >= bytes_.size(); }

    // The next logical line, blanks trimmed at both ends.
    std::string lectura();

    // The line, counted as a text editor shows it (1 = first), where the last
    // logical line began. Used for messages only.
    int line() const;

  private:
    std::string_view read_field();
    std::size_t field_end(std::size_t from) const;
    void consume_delimiter();

    std::string_view bytes_;
    std::size_t pos_ = 0;
    std::size_t last_start_ = 0;
};

struct KeyValue {
    std::string key;         // text before the first "=", trimmed, lower case
    std::string_view value;  // text after it, trimmed; a view into the line
};

KeyValue split_key_value(std::string_view line);

}  // namespace vantor
