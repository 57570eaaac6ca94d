#include "paint/canvas_picture.h"

#include <gtest/gtest.h>

#include <QRegion>

#include "display/redraw.h"
#include "display/viewport.h"
#include "paint/control_bounds.h"
#include "window/window_builder.h"

namespace vantor::test {
namespace {

using paint::CanvasPicture;
using paint::changed_area;
using paint::picture_of;

const QSize kView(480, 210);

// Two joined glyphs and a third one apart, drawn; then a change, and the
// area it repaints.
struct Repainted : ::testing::Test {
    Repainted() {
        a = w.element("R", "A", 1500, 1500);
        b = w.element("C", "B", 4500, 1500);
        far = w.element("I", "far", 1500, 2700);
        bond = w.bond(a, b, 1);
        refresco(w.window, w.app);
        before = picture_of(w.window, kView);
    }
    void repaint(QSize view = kView) {
        after = picture_of(w.window, view);
        area = changed_area(before, after);
        QRegion all;
        for (const QRect& r : area.rects) all += r;
        covered = all;
    }
    bool covers(const QRect& rect) const { return (covered & rect) == QRegion(rect); }
    static QRect glyph(const CanvasPicture& p, int i) {
        return paint::glyph_bounds(p.glyphs[static_cast<std::size_t>(i) - 1], p.origin);
    }
    static QRect line(const CanvasPicture& p, int j, int n) {
        return paint::line_bounds(p.bonds[static_cast<std::size_t>(j) - 1][n], p.origin);
    }
    bool spares_far_glyph() const { return !covered.intersects(glyph(before, far)); }

    WindowBuilder w;
    int a = 0, b = 0, far = 0, bond = 0;
    CanvasPicture before, after;
    paint::Repaint area;
    QRegion covered;
};

TEST_F(Repainted, NothingChanged) {
    repaint();
    EXPECT_FALSE(area.whole);
    EXPECT_TRUE(area.rects.empty());
}

TEST_F(Repainted, AMovedGlyphAndItsBondWhereTheyWereAndAre) {
    w.obj(a).left = 1800;
    refresco(w.window, w.app);
    repaint();
    EXPECT_FALSE(area.whole);
    // The barb at B's end stays as it was.
    for (const QRect& r :
         {glyph(before, a), glyph(after, a), line(before, bond, 0), line(after, bond, 0)})
        EXPECT_TRUE(covers(r)) << r.x() << "," << r.y();
    EXPECT_TRUE(spares_far_glyph());
}

TEST_F(Repainted, ABondTurnedRed) {
    w.line(bond).color = w.barb(bond).color = 255;
    repaint();
    EXPECT_TRUE(covers(line(before, bond, 0)));
    EXPECT_TRUE(covers(line(before, bond, 1)));
    EXPECT_TRUE(spares_far_glyph());
}

TEST_F(Repainted, AnElementAppendedOrGone) {
    w.element("Se", "Se", 6000, 600);
    repaint();
    EXPECT_TRUE(covers(glyph(after, 4)));
    EXPECT_TRUE(spares_far_glyph());

    w.window.model.nobj = 2;
    repaint();
    EXPECT_TRUE(covers(glyph(before, far)));
}

TEST_F(Repainted, TheSelectionRectangleShown) {
    w.window.sector = RectangleShape{150, 150, 900, 600, true};
    repaint();
    EXPECT_TRUE(covers(paint::sector_bounds(w.window.sector, {})));
    EXPECT_TRUE(spares_far_glyph());
}

TEST_F(Repainted, AScrollOrANewSizeRepaintsTheWholeView) {
    repaint(kView + QSize(10, 0));
    EXPECT_TRUE(area.whole);
    set_hscroll(w.window, 500);
    repaint();
    EXPECT_TRUE(area.whole);
}

}  // namespace
}  // namespace vantor::test
