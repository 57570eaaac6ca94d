#include "app/palette.h"

#include "display/leeimagen.h"
#include "model/element_kinds.h"
#include "model/file_error.h"
#include "model/file_reading.h"
#include "model/logical_line_reader.h"
#include "model/model_reader.h"

namespace vantor {

void Palette::Form_GotFocus(AppState& app, Ports& ports) {
    app.selready = kTrue;
    std::vector<ObjRecord> entries;
    try {
        entries = read_library(tag);
    } catch (const FileError& e) {
        // Activation comes back after the message box: say it once per fault.
        if (last_error_ != e.what()) {
            last_error_ = e.what();
            tell(ports, std::string("The library cannot be read: ") + e.what(),
                 MessageKind::kError);
        }
        return;
    }
    last_error_.clear();
    n_ = static_cast<int>(entries.size());
    for (int i = 1; i <= n_; ++i) {
        ObjRecord& obj = objs[static_cast<std::size_t>(i)];
        obj = entries[static_cast<std::size_t>(i) - 1];
        obj.selected = kFalse;
        leeimagen(obj, image1[static_cast<std::size_t>(i)], nullptr);
    }
}

void Palette::image1_DragOver(AppState& app, int i) {
    if (app.selready == kFalse || i < 1 || i > kPaletteEntries) return;
    int k = i;
    if (is_con(objs[static_cast<std::size_t>(i)])) {
        k = objs[static_cast<std::size_t>(i)].auxil2;
        if (k < 1 || k > kPaletteEntries) return;
    }
    app.dragobj = objs[static_cast<std::size_t>(k)];
    app.dragobj.caption = image1[static_cast<std::size_t>(k)].caption;
    app.selready = kFalse;
}

void Palette::Form_DragDrop(AppState& app) {
    app.selready = kTrue;
}

}  // namespace vantor
