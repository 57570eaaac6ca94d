#include "simulink/template_lines.h"

#include <algorithm>
#include <cstddef>

#include "model/cp1252.h"
#include "sim/read_error.h"

namespace vantor {

int line_ends(const std::string& text) {
    // CR LF, CR and LF each end one line, as the readers count them.
    int ends = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
            ++ends;
    }
    return ends;
}

std::string template_at(const std::vector<TemplateLines>& lines, int line) {
    const auto after =
        std::upper_bound(lines.begin(), lines.end(), line,
                         [](int l, const TemplateLines& entry) { return l < entry.first_line; });
    if (after == lines.begin()) return {};
    const TemplateLines& from = *(after - 1);
    return "template " + cp1252_to_utf8(from.name) + ", its line " +
           std::to_string(line - from.first_line + 1);
}

std::string read_error_message(const std::exception& error,
                               const std::vector<TemplateLines>& lines) {
    std::string message = error.what();
    if (const auto* read = dynamic_cast<const sim::ReadError*>(&error)) {
        const std::string where = template_at(lines, read->line());
        if (!where.empty()) message += " (" + where + ")";
    }
    return message;
}

}  // namespace vantor
