#pragma once

#include <cstddef>
#include <string_view>

namespace vantor {

// Splits text into the fields of list input, as every reader of the program's
// text files does. A field runs to the next comma or line end; a line ends at
// CR or CR LF, never at a lone LF, which caption text may hold. Leading blanks
// are skipped; a field that starts with a double quote runs to the next double
// quote, and the rest up to the comma or line end is dropped.
//
// A text that holds LF but no CR at all was converted by a text tool; its
// lines end at LF.
class FieldReader {
  public:
    explicit FieldReader(std::string_view bytes);

    // Whether the lines end at LF (the text holds LF but no CR).
    bool lf_line_ends() const { return line_end_ == '\n'; }

    bool at_end() const { return pos_ >= bytes_.size(); }

    // The next field, untrimmed at its end. Call only when not at_end().
    std::string_view next();

    // The line, counted as a text editor shows it (1 = first), where the last
    // field began; at the end of the text, the last line. For messages only.
    int line() const;

    // Marks the end of the text as the place of the last field.
    void mark_end() { last_start_ = bytes_.size(); }

  private:
    std::size_t field_end(std::size_t from) const;
    void consume_delimiter();

    std::string_view bytes_;
    std::size_t pos_ = 0;
    std::size_t last_start_ = 0;
    char line_end_ = '\r';
};

}  // namespace vantor
