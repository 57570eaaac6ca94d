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
    explicit LogicalLineReader(std::string_view bytes) : fields_(bytes) {}

    bool at_end() const { return fields_.at_end(); }

    // The next logical line, blanks trimmed at both ends.
    std::string lectura();

    // The line where the last logical line began, for messages.
    int line() const { return fields_.line(); }

private:
    FieldReader fields_;
};

struct KeyValue {
    std::string key;         // text before the first "=", trimmed, lower case
    std::string_view value;  // text after it, trimmed; a view into the line
};

KeyValue split_key_value(std::string_view line);

}  // namespace vantor
