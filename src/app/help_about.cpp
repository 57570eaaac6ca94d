#include "app/help_about.h"

#include "model/atomic_file.h"
#include "model/cp1252.h"
#include "model/file_error.h"

namespace vantor {

void ayuda(const AppState& app, Ports& ports, HelpPage page) {
    ports.show_help(app.helpfile.empty() ? help_file_path(app.program_dir) : app.helpfile, page);
}

void show_about(const AppState& app, Ports& ports) {
    std::string text;
    try {
        text = read_whole_file(about_file_path(app.program_dir));
    } catch (const FileError&) {
        // Nothing to show; the program folder may be read-only, so nothing is created.
    }
    ports.show_about(cp1252_to_utf8(text));
}

}  // namespace vantor
