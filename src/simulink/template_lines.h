#pragma once

// Which template wrote which lines of a generated file, so that a line the
// readers refuse can be traced back to the template the user must mend.

#include <exception>
#include <string>
#include <vector>

namespace vantor {

// The lines from `first_line` (from 1) up to the next entry's came from the
// template `name`.
struct TemplateLines {
    int first_line = 1;
    std::string name;
};

// The number of line ends in `text`.
int line_ends(const std::string& text);

// "template R__.cod, its line 2" for line `line` of the generated file;
// empty when no template is known for it.
std::string template_at(const std::vector<TemplateLines>& lines, int line);

// The reader's message of `error`, followed by the template behind its line
// when it is a sim::ReadError and the template is known.
std::string read_error_message(const std::exception& error,
                               const std::vector<TemplateLines>& lines);

}  // namespace vantor
