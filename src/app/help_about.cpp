#include "app/help_about.h"

#include "model/cp1252.h"
#include "model/file_error.h"
#include "model/file_reading.h"

namespace vantor {

void ayuda(const AppState& app, Ports& ports, HelpPage page) {
    ports.show_help(app.helpfile.empty() ? help_file_path(app.program_dir) : app.helpfile, page);
}

void show_about(const AppState& app, Ports& ports) {
    std::string text;
    try {
        // Missing: nothing to show; the program folder may be read-only, so
        // nothing is created.
        text = read_file_if_present(about_file_path(app.program_dir), kSupportFileLimit)
                   .value_or(std::string());
    } catch (const FileError& e) {
        tell(ports, std::string("The About text cannot be read: ") + e.what(), MessageKind::kError);
        return;
    }
    ports.show_about(cp1252_to_utf8(text));
}

}  // namespace vantor
