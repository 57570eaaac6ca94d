#include "editor/caption_edit.h"

#include "display/leeimagen.h"
#include "display/redraw.h"

namespace vantor {

void open_caption_box(ModelWindow& window, int i) {
    const Glyph& glyph = window.image1[static_cast<std::size_t>(i)];
    TextBox& box = window.Text1;
    box.visible = true;
    box.left = glyph.left;
    box.top = glyph.top;
    box.width = glyph.width;
    box.height = glyph.height;
    box.text = glyph.caption;
    box.focused = true;
}

void text1_Change(ModelWindow& window) {
    window.menus.ddelete = false;
    const TextBox& box = window.Text1;
    Model& m = window.model;
    for (int i = 1; i <= m.nobj; ++i) {
        ObjRecord& obj = m.objs[static_cast<std::size_t>(i)];
        if (obj.selected == 0) continue;
        Glyph& glyph = window.image1[static_cast<std::size_t>(i)];
        // The glyph keeps the box's size, not its text's, until the next redraw.
        glyph.autosize = false;
        set_glyph_caption(glyph, box.text);
        obj.caption = box.text;
        glyph.visible = true;
        glyph.height = box.height;
        glyph.width = box.width;
        glyph.bold = box.bold;
        glyph.font_size = box.font_size;
        glyph.font_name = box.font_name;
    }
}

void Text1_LostFocus(ModelWindow& window, AppState& app) {
    window.menus.ddelete = true;
    window.Text1.visible = false;
    window.Text1.focused = false;
    refresco(window, app);
}

}  // namespace vantor
