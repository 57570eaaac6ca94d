#include "shell/canvas_picture.h"

#include <gtest/gtest.h>

#include <QRegion>
#include <functional>

#include "display/redraw.h"
#include "display/viewport.h"
#include "shell/control_bounds.h"
#include "window/window_builder.h"

namespace vantor::test {
namespace {

using shell::CanvasPicture;
using shell::changed_area;
using shell::picture_of;
using shell::Repaint;

const QSize kView(480, 210);

// Two joined glyphs and a third one apart, drawn.
struct Drawn {
    Drawn() {
        a = w.element("R", "A", 1500, 1500);
        b = w.element("C", "B", 4500, 1500);
        far = w.element("I", "far", 1500, 2700);
        bond = w.bond(a, b, 1);
        refresco(w.window, w.app);
    }
    WindowBuilder w;
    int a = 0, b = 0, far = 0, bond = 0;
};

bool covers(const Repaint& repaint, const QRect& rect) {
    QRegion all;
    for (const QRect& r : repaint.rects) all += r;
    return rect.isEmpty() || (all & rect) == QRegion(rect);
}

struct ChangeCase {
    const char* name;
    std::function<void(Drawn&)> change;
    bool whole;
    // Places that must be repainted, and one that must not, worked out on
    // the window before and after the change.
    std::function<std::vector<QRect>(const Drawn&, const CanvasPicture&)> must;
    bool spares_far_glyph;
};

QRect glyph_at(const CanvasPicture& picture, int i) {
    return shell::glyph_bounds(picture.glyphs[static_cast<std::size_t>(i) - 1], picture.origin);
}
QRect bond_line_at(const CanvasPicture& picture, int j, int n) {
    return shell::line_bounds(picture.bonds[static_cast<std::size_t>(j) - 1][n], picture.origin);
}

const ChangeCase kCases[] = {
    {"nothing changed", [](Drawn&) {}, false,
     [](const Drawn&, const CanvasPicture&) { return std::vector<QRect>{}; }, true},
    {"a glyph and its bond moved",
     [](Drawn& d) {
         d.w.obj(d.a).left = 1800;
         refresco(d.w.window, d.w.app);
     },
     false,
     [](const Drawn& d, const CanvasPicture& before) {
         const CanvasPicture after = picture_of(d.w.window, kView);
         // The barb at B's end stays as it was.
         return std::vector<QRect>{glyph_at(before, d.a), glyph_at(after, d.a),
                                   bond_line_at(before, d.bond, 0), bond_line_at(after, d.bond, 0)};
     },
     true},
    {"a bond turned red", [](Drawn& d) { d.w.line(d.bond).color = d.w.barb(d.bond).color = 255; },
     false,
     [](const Drawn& d, const CanvasPicture& before) {
         return std::vector<QRect>{bond_line_at(before, d.bond, 0),
                                   bond_line_at(before, d.bond, 1)};
     },
     true},
    {"a new element appended", [](Drawn& d) { d.w.element("Se", "Se", 6000, 600); }, false,
     [](const Drawn& d, const CanvasPicture&) {
         return std::vector<QRect>{glyph_at(picture_of(d.w.window, kView), 4)};
     },
     true},
    {"the last element gone", [](Drawn& d) { d.w.window.model.nobj = 2; }, false,
     [](const Drawn& d, const CanvasPicture& before) {
         return std::vector<QRect>{glyph_at(before, d.far)};
     },
     false},
    {"the selection rectangle shown",
     [](Drawn& d) {
         d.w.window.sector = RectangleShape{150, 150, 900, 600, true};
     },
     false,
     [](const Drawn& d, const CanvasPicture&) {
         return std::vector<QRect>{shell::sector_bounds(d.w.window.sector, {})};
     },
     true},
    {"scrolled", [](Drawn& d) { set_hscroll(d.w.window, 500); }, true,
     [](const Drawn&, const CanvasPicture&) { return std::vector<QRect>{}; }, false},
};

TEST(CanvasPicture, AnEventRepaintsWhereWhatChangedWasAndIs) {
    for (const ChangeCase& c : kCases) {
        SCOPED_TRACE(c.name);
        Drawn d;
        const CanvasPicture before = picture_of(d.w.window, kView);
        c.change(d);
        const Repaint repaint = changed_area(before, picture_of(d.w.window, kView));
        EXPECT_EQ(repaint.whole, c.whole);
        for (const QRect& rect : c.must(d, before)) {
            EXPECT_TRUE(covers(repaint, rect)) << rect.x() << "," << rect.y();
        }
        if (c.spares_far_glyph) {
            for (const QRect& rect : repaint.rects) {
                EXPECT_FALSE(rect.intersects(glyph_at(before, d.far)));
            }
        }
        if (std::string(c.name) == "nothing changed") {
            EXPECT_TRUE(repaint.rects.empty());
        }
    }
}

TEST(CanvasPicture, ANewSizeRepaintsTheWholeView) {
    Drawn d;
    const Repaint repaint =
        changed_area(picture_of(d.w.window, kView), picture_of(d.w.window, kView + QSize(10, 0)));
    EXPECT_TRUE(repaint.whole);
}

}  // namespace
}  // namespace vantor::test
