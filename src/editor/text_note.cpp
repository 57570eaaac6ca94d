#include "editor/text_note.h"

#include "display/leeimagen.h"
#include "display/stored_int16.h"
#include "window/selection.h"

namespace vantor {

bool create_text_note(ModelWindow& window, AppState& app) {
    Model& m = window.model;
    if (m.nobj >= kMaxElements) return false;
    const RectangleShape& band = window.sector;
    const int n = ++m.nobj;
    load_glyph(window, n);
    Glyph& glyph = window.image1[static_cast<std::size_t>(n)];
    // The note keeps the rectangle's size until the user has typed its text.
    glyph.autosize = false;
    glyph.left = band.left;
    glyph.top = band.top;
    glyph.width = band.width;
    glyph.height = band.height;

    TextBox& box = window.Text1;
    box.left = band.left;
    box.top = band.top;
    box.width = band.width;
    box.height = band.height;
    box.visible = true;

    ObjRecord& note = m.objs[static_cast<std::size_t>(n)];
    note = ObjRecord{};
    note.type = "Tex";
    note.caption = "";
    note.parameters = "";
    note.top = store_int16(glyph.top);
    note.left = store_int16(glyph.left);
    set_glyph_caption(glyph, "");

    deselecciona(window, app);
    select_element(window, app, n);
    habilita(window);
    box.focused = true;
    return true;
}

}  // namespace vantor
