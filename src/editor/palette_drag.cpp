#include "editor/palette_drag.h"

#include "display/leeimagen.h"
#include "model/element_kinds.h"

namespace vantor {

void show_palette_entry(ObjRecord& obj, Glyph& glyph) {
    obj.selected = kFalse;
    leeimagen(obj, glyph, nullptr);
}

PaletteDrag drag_palette_entry(AppState& app, std::span<const ObjRecord> objs,
                               std::span<const Glyph> image1, int i) {
    const auto in_palette = [&objs](int k) {
        return k >= 1 && static_cast<std::size_t>(k) < objs.size();
    };
    if (!in_palette(i)) return {PaletteDragOutcome::kNoEntry};
    int k = i;
    if (is_con(objs[static_cast<std::size_t>(i)])) {
        k = objs[static_cast<std::size_t>(i)].auxil2;
        if (!in_palette(k)) return {PaletteDragOutcome::kNoBlock, k};
    }
    app.dragobj = objs[static_cast<std::size_t>(k)];
    app.dragobj.caption = image1[static_cast<std::size_t>(k)].caption;
    app.selready = kFalse;
    return {};
}

}  // namespace vantor
