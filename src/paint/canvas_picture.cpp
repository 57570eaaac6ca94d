#include "paint/canvas_picture.h"

#include <algorithm>

#include "paint/control_bounds.h"

namespace vantor::paint {

namespace {

bool same_look(const Glyph& a, const Glyph& b) {
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height &&
           a.caption == b.caption && a.color == b.color && a.visible == b.visible &&
           a.border == b.border && a.font_name == b.font_name && a.font_size == b.font_size &&
           a.bold == b.bold && a.autosize == b.autosize && a.z == b.z;
}

bool same_look(const LineControl& a, const LineControl& b) {
    return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 && a.color == b.color &&
           a.visible == b.visible && a.width == b.width;
}

bool same_look(const RectangleShape& a, const RectangleShape& b) {
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height &&
           a.visible == b.visible;
}

bool same_look(const TextBox& a, const TextBox& b) {
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height &&
           a.text == b.text && a.visible == b.visible && a.font_name == b.font_name &&
           a.font_size == b.font_size && a.bold == b.bold;
}

QRect bounds(const Glyph& g, ViewOrigin o) {
    return glyph_bounds(g, o);
}
QRect bounds(const LineControl& l, ViewOrigin o) {
    return line_bounds(l, o);
}
QRect bounds(const RectangleShape& s, ViewOrigin o) {
    return sector_bounds(s, o);
}
QRect bounds(const TextBox& t, ViewOrigin o) {
    return text_box_bounds(t, o);
}

class AreaCollector {
  public:
    AreaCollector(Repaint& out, ViewOrigin origin) : out_(out), origin_(origin) {}

    // A control that is missing on one side counts as hidden there.
    template <typename Control>
    void compare(const Control* before, const Control* after) {
        if (before != nullptr && after != nullptr && same_look(*before, *after)) return;
        if (before != nullptr) add(bounds(*before, origin_));
        if (after != nullptr) add(bounds(*after, origin_));
    }

  private:
    void add(const QRect& rect) {
        if (!rect.isEmpty()) out_.rects.push_back(rect);
    }

    Repaint& out_;
    ViewOrigin origin_;
};

template <typename T>
const T* member(const std::vector<T>& list, std::size_t k) {
    return k < list.size() ? &list[k] : nullptr;
}

}  // namespace

CanvasPicture picture_of(const ModelWindow& window, QSize view) {
    CanvasPicture picture;
    picture.origin = {static_cast<double>(window.viewport.HScroll1.value),
                      static_cast<double>(window.viewport.VScroll1.value)};
    picture.view = view;
    const int nobj = std::max<int>(window.model.nobj, 0);
    const int nlin = std::max<int>(window.model.nlin, 0);
    picture.glyphs.assign(window.image1.begin() + 1, window.image1.begin() + 1 + nobj);
    picture.bonds.reserve(static_cast<std::size_t>(nlin));
    for (int j = 1; j <= nlin; ++j) {
        const auto k = static_cast<std::size_t>(j);
        picture.bonds.push_back({window.linea[k], window.linea2[k], window.Linea3[k]});
    }
    picture.Line1 = window.Line1;
    picture.sector = window.sector;
    picture.Text1 = window.Text1;
    return picture;
}

QRect Repaint::bounding() const {
    QRect all;
    for (const QRect& rect : rects) all |= rect;
    return all;
}

Repaint changed_area(const CanvasPicture& before, const CanvasPicture& after) {
    Repaint repaint;
    if (before.origin.x != after.origin.x || before.origin.y != after.origin.y ||
        before.view != after.view) {
        repaint.whole = true;
        return repaint;
    }
    // Both pictures share the origin: the controls' own rectangles say it.
    AreaCollector collect(repaint, after.origin);
    const std::size_t glyphs = std::max(before.glyphs.size(), after.glyphs.size());
    for (std::size_t k = 0; k < glyphs; ++k) {
        collect.compare(member(before.glyphs, k), member(after.glyphs, k));
    }
    const std::size_t bonds = std::max(before.bonds.size(), after.bonds.size());
    for (std::size_t k = 0; k < bonds; ++k) {
        const auto* was = member(before.bonds, k);
        const auto* now = member(after.bonds, k);
        for (std::size_t n = 0; n < 3; ++n) {
            collect.compare(was ? &(*was)[n] : nullptr, now ? &(*now)[n] : nullptr);
        }
    }
    collect.compare(&before.Line1, &after.Line1);
    collect.compare(&before.sector, &after.sector);
    collect.compare(&before.Text1, &after.Text1);
    return repaint;
}

}  // namespace vantor::paint
