#include "app/palette.h"

#include "editor/palette_drag.h"
#include "model/file_error.h"
#include "model/file_reading.h"
#include "model/logical_line_reader.h"
#include "model/model_reader.h"

namespace vantor {

void Palette::Form_GotFocus(AppState& app, Ports& ports) {
    app.selready = kTrue;
    const std::optional<std::string> error = read_entries();
    if (!error) {
        last_error_.clear();
        return;
    }
    // Activation comes back after the message box: say it once per fault.
    if (last_error_ != *error) {
        last_error_ = *error;
        tell(ports, "The library cannot be read: " + *error, MessageKind::kError);
    }
}

std::optional<std::string> Palette::read_entries() {
    std::vector<ObjRecord> entries;
    try {
        entries = read_library(tag);
    } catch (const FileError& e) {
        return std::string(e.what());
    }
    n_ = static_cast<int>(entries.size());
    for (int i = 1; i <= n_; ++i) {
        ObjRecord& obj = objs[static_cast<std::size_t>(i)];
        obj = entries[static_cast<std::size_t>(i) - 1];
        show_palette_entry(obj, image1[static_cast<std::size_t>(i)]);
    }
    return std::nullopt;
}

void Palette::image1_DragOver(AppState& app, int i) {
    // Captured once, until the palette is activated or takes a drop back.
    if (app.selready == kFalse) return;
    drag_palette_entry(app, objs, image1, i);
}

void Palette::Form_DragDrop(AppState& app) {
    app.selready = kTrue;
}

}  // namespace vantor
