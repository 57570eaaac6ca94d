#include "app/element_summary.h"

#include "editor/parameter_dialog.h"
#include "model/file_error.h"
#include "model/file_reading.h"

namespace vantor {

std::string element_summary(const AppState& app, const std::string& type) {
    const std::string path = description_path(app, type);
    if (path.empty()) return {};
    std::optional<std::string> text;
    try {
        text = read_file_if_present(path, kSupportFileLimit);
    } catch (const FileError&) {
        return {};
    }
    if (!text) return {};
    std::size_t start = 0;
    while (start < text->size()) {
        std::size_t end = text->find('\n', start);
        if (end == std::string::npos) end = text->size();
        std::string line = text->substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line[0] != '%') return line;
        start = end + 1;
    }
    return {};
}

}  // namespace vantor
