#include "app/glyphs.h"

#include "display/glyph_metrics.h"

namespace vantor {

void leeimagen(Model& model, std::vector<Glyph>& image1, int i) {
    ObjRecord& obj = model.objs[i];
    Glyph& glyph = image1[static_cast<std::size_t>(i)];
    glyph.visible = true;
    const std::string caption = obj.caption.trimmed();
    obj.caption = caption;  // a never assigned caption stays NUL
    glyph.caption = caption;
    glyph.top = obj.top;
    glyph.left = obj.left;
    glyph.border = obj.auxil1;
    const GlyphSize size = glyph_size(caption, obj.auxil1 == 1);
    glyph.width = size.width;
    glyph.height = size.height;
}

}  // namespace vantor
