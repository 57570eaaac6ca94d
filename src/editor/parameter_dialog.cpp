#include "editor/parameter_dialog.h"

#include "model/description_reader.h"
#include "model/file_error.h"
#include "model/file_reading.h"
#include "model/numeric_prefix.h"

namespace vantor {

std::string description_path(const AppState& app, const std::string& type) {
    if (type.find('\0') != std::string::npos || type.find('/') != std::string::npos) return {};
    return library_folder(app) + "/" + type + ".dat";
}

namespace {

std::string read_description_file(const AppState& app, bool& readable) {
    readable = false;
    const std::string path = description_path(app, app.partype);
    if (path.empty()) return {};
    try {
        std::string bytes = read_whole_file(path, kSupportFileLimit);
        readable = true;
        return bytes;
    } catch (const FileError&) {
        return {};
    }
}

void show_parameter(DialogControl& label, DialogControl& box, const std::string& name,
                    const std::string& value) {
    label.visible = true;
    box.visible = true;
    label.caption = name;
    box.text = value;
}

}  // namespace

void Form_Load(ParameterDialog& dialog, const AppState& app) {
    dialog = ParameterDialog{};
    dialog.open = true;
    dialog.caption = app.partype;
    bool readable = false;
    const std::string bytes = read_description_file(app, readable);
    if (!readable) {
        dialog.description.caption = kDescriptionUnreadable;
        show_parameter(dialog.Parameter1, dialog.value1, "Parameter 1", app.partext1);
        show_parameter(dialog.Parameter2, dialog.value2, "Parameter 2", app.partext2);
        return;
    }
    DescriptionReader reader(bytes);
    dialog.description.caption = reader.lectura();
    const double n = round_half_even(numeric_prefix(reader.lectura()));
    if (n > 0) show_parameter(dialog.Parameter1, dialog.value1, reader.lectura(), app.partext1);
    if (n > 1) show_parameter(dialog.Parameter2, dialog.value2, reader.lectura(), app.partext2);
}

void Apply_Click(ParameterDialog& dialog, AppState& app) {
    app.partext1 = dialog.value1.text;
    app.partext2 = dialog.value2.text;
}

void close_Click(ParameterDialog& dialog, AppState& app) {
    Apply_Click(dialog, app);
    dialog.open = false;
}

void Cancel_Click(ParameterDialog& dialog, AppState& app) {
    dialog.value1.text = app.partext1;
    dialog.value2.text = app.partext2;
    close_Click(dialog, app);
}

void close_box(ParameterDialog& dialog) {
    dialog.open = false;
}

}  // namespace vantor
