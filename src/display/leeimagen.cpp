#include "display/leeimagen.h"

#include "display/glyph_metrics.h"
#include "model/element_kinds.h"

namespace vantor {

void set_glyph_caption(Glyph& glyph, std::string_view caption) {
    glyph.caption = caption;
    if (!glyph.autosize) return;
    const GlyphSize size = glyph_size(caption, glyph.border == 1);
    glyph.width = static_cast<float>(size.width);
    glyph.height = static_cast<float>(size.height);
}

void set_glyph_autosize(Glyph& glyph) {
    glyph.autosize = true;
    set_glyph_caption(glyph, std::string(glyph.caption));
}

void leeimagen(ObjRecord& obj, Glyph& glyph, const TextBox* text1) {
    glyph.visible = true;
    const std::string caption = obj.caption.trimmed();
    obj.caption = caption;  // a never assigned caption stays NUL
    glyph.top = obj.top;
    glyph.left = obj.left;
    glyph.border = obj.auxil1;
    if (is_text_note(obj) && text1 != nullptr) {
        glyph.font_size = text1->font_size;
        glyph.font_name = text1->font_name;
        glyph.bold = text1->bold;
    }
    set_glyph_caption(glyph, caption);
}

}  // namespace vantor
