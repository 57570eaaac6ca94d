#include "editor/clipboard_picture.h"

#include <algorithm>

#include "editor/clipboard.h"

namespace vantor {

namespace {

inline constexpr int kBlack = 0;
// Paper kept right of and below the copy, as much as the corner leaves above
// and left of it.
inline constexpr float kPaperMargin = 100;

LineControl shifted(const LineControl& line, double dx, double dy) {
    LineControl copy = line;
    copy.x1 = static_cast<float>(line.x1 + dx);
    copy.y1 = static_cast<float>(line.y1 + dy);
    copy.x2 = static_cast<float>(line.x2 + dx);
    copy.y2 = static_cast<float>(line.y2 + dy);
    copy.color = kBlack;
    copy.visible = true;
    return copy;
}

void reach(ClipboardPicture& picture, float right, float bottom) {
    picture.width = std::max(picture.width, right + kPaperMargin);
    picture.height = std::max(picture.height, bottom + kPaperMargin);
}

}  // namespace

ClipboardPicture copy_picture(const ModelWindow& window, const AppState& app, double dx,
                              double dy) {
    ClipboardPicture picture;
    const Model& m = window.model;
    for (int i = 1; i <= m.nobj; ++i) {
        const int k = clip_position(window, i);
        if (k < 1 || k > app.nclipobj) continue;
        const ObjRecord& clip = app.clipobjs[static_cast<std::size_t>(k)];
        Glyph glyph = window.image1[static_cast<std::size_t>(i)];
        glyph.left = clip.left;
        glyph.top = clip.top;
        glyph.color = kBlack;
        glyph.visible = true;
        reach(picture, glyph.left + glyph.width, glyph.top + glyph.height);
        picture.glyphs.push_back(std::move(glyph));
    }
    for (int j = 1; j <= m.nlin; ++j) {
        if (!bond_goes_with_copy(window, j)) continue;
        const auto b = static_cast<std::size_t>(j);
        for (const LineControl* line : {&window.linea[b], &window.linea2[b], &window.Linea3[b]}) {
            if (line != &window.linea[b] && !line->visible) continue;
            const LineControl drawn = shifted(*line, dx, dy);
            reach(picture, std::max(drawn.x1, drawn.x2), std::max(drawn.y1, drawn.y2));
            picture.lines.push_back(drawn);
        }
    }
    return picture;
}

}  // namespace vantor
