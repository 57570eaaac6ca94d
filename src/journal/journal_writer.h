#pragma once

#include <string>
#include <string_view>

#include "editor/events.h"

namespace vantor {

// One journal line (without its line end) that parse_journal reads back as
// exactly `event`: singles with enough digits to come back bit for bit, text
// converted from Windows-1252 to UTF-8 and escaped.
std::string format_journal_line(const EditorEvent& event);

// A single as a journal writes it: "%.9g", or the shortest plain decimal
// that reads back exactly where "%.9g" would use an exponent.
std::string journal_number(float value);

// A comment line, "# TEXT", with line breaks in `text` turned into blanks so
// that it stays one line. `text` is UTF-8.
std::string format_journal_comment(std::string_view text);

}  // namespace vantor
