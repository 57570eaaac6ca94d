#pragma once

#include <string>
#include <string_view>

#include "model/field_reader.h"

namespace vantor {

// Reads the logical lines of a model or library file held in memory: the
// fields of list input, with 0x8D turned into CR, "%" lines skipped as
// comments, "=" appended to a text without one, and "end=" at the end of the
// file, which closes any open block.
class LogicalLineReader {
  public:
    // A library palette reads its lines without turning 0x8D into CR.
    explicit LogicalLineReader(std::string_view bytes, bool convert_line_breaks = true)
        : fields_(bytes), convert_line_breaks_(convert_line_breaks) {}

    bool at_end() const { return fields_.at_end(); }

    // Whether the text's lines end at LF (it holds LF but no CR).
    bool lf_line_ends() const { return fields_.lf_line_ends(); }

    // The next logical line, blanks trimmed at both ends.
    std::string lectura();

    // The line where the last logical line began, for messages.
    int line() const { return fields_.line(); }

  private:
    FieldReader fields_;
    bool convert_line_breaks_;
};

struct KeyValue {
    std::string key;         // text before the first "=", trimmed, lower case
    std::string_view value;  // text after it, trimmed; a view into the line
};

KeyValue split_key_value(std::string_view line);

// As a library palette splits a line: the value starts one character after the
// "=", so a line written without a blank there loses the value's first character.
KeyValue split_key_value_skipping_one(std::string_view line);

}  // namespace vantor
