#include "editor/zoom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "editor_fixtures.h"

namespace vantor {
namespace {

// Steps run from a quarter to four times; a zoom about a point keeps its
// twips there, within the scroll range.
TEST(Zoom, StepsAndAZoomAboutAPoint) {
    const int steps[][3] = {{100, 110, 90},  {25, 33, 25}, {400, 400, 300},
                            {105, 110, 100}, {10, 25, 25}, {999, 400, 400}};
    for (const auto& [from, in, out] : steps) {
        EXPECT_EQ(zoom_in_step(from), in) << from;
        EXPECT_EQ(zoom_out_step(from), out) << from;
    }
    EXPECT_EQ(pixels_to_twips(10, zoom_factor(50)), 300);
    EXPECT_EQ(twips_to_pixels(75, zoom_factor(200)), 10);
    // clang-format off
    const struct { double twips, px, zoom; int scroll; } cases[] = {
        {3000, 100, 2, 2250},  // 100 px at 200 % are 750 twips
        {3000, 200, 0.5, 0},   // 6000 twips to the left: stops at the edge
        {21000, 0, 1, kScrollMax}, {1000.4, 0, 1, 1000},
    };
    // clang-format on
    for (const auto& c : cases) EXPECT_EQ(scroll_keeping(c.twips, c.px, c.zoom), c.scroll);
}

class ZoomWindow : public test::EditorTest {};

// Fit picks the largest step that holds the drawing and its margins.
TEST_F(ZoomWindow, FitPicksAStepAndAScroll) {
    EXPECT_EQ(fit_zoom_percent(drawing_extent_twips(window), 400, 300), kActualSize);

    const int a = add(test::element("R__", "R"), 1500, 900);
    const int b = add(test::element("C__", "C"), 4500, 2400);
    add_bond(a, b, 1600, 1000, 4600, 2500);
    const TwipsExtent drawing = drawing_extent_twips(window);
    ASSERT_FALSE(drawing.empty);
    EXPECT_EQ((std::vector<double>{drawing.left, drawing.top, drawing.right, drawing.bottom}),
              (std::vector<double>{1500, 900, 4500 + glyph(b).width, 2400 + glyph(b).height}));

    const double wide = twips_to_pixels(drawing.right - drawing.left, 1);
    const double high = twips_to_pixels(drawing.bottom - drawing.top, 1);
    // The smallest view that holds `pixels` of drawing with its margins: a
    // twentieth of it on each side, at least 8 pixels.
    const auto view_for = [](double pixels) { return std::max(pixels + 16, pixels / 0.9) + 0.01; };
    // clang-format off
    const struct { double width, height; int percent; } cases[] = {
        {view_for(wide), view_for(high), 100},          // just fits
        {view_for(wide) - 1, view_for(high), 90},       // a pixel short
        {view_for(2 * wide), view_for(2 * high), 200},
        {100 * wide, 100 * high, 400},                  // capped at the top step
        {20, 20, 25},                                   // nothing fits
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(fit_zoom_percent(drawing, c.width, c.height), c.percent) << c.width;

    // A fitting drawing is centred, else its corner stands a margin inside.
    TwipsExtent box;
    box.add(1500, 3900);
    box.add(4500, 5400);  // 200 x 100 pixels at 100 %, its middle at (3000, 4650)
    // clang-format off
    const struct { double zoom, view; int scroll_x, scroll_y; } scrolls[] = {
        {1, 300, 3000 - 150 * 15, 4650 - 150 * 15},  // centred
        {2, 600, 3000 - 300 * 15 / 2, 4650 - 300 * 15 / 2},
        {1, 200, 1500 - 10 * 15, 4650 - 100 * 15},  // too wide: the corner a margin inside
        {0.5, 60, 1500 - 8 * 30, 3900 - 8 * 30},
    };
    // clang-format on
    for (const auto& c : scrolls) {
        EXPECT_EQ(fit_scroll_x(box, c.zoom, c.view), c.scroll_x) << c.zoom << " " << c.view;
        EXPECT_EQ(fit_scroll_y(box, c.zoom, c.view), c.scroll_y) << c.zoom << " " << c.view;
    }
    // Near the drawing area's corner the scroll range ends first.
    TwipsExtent corner;
    corner.add(30, 30);
    corner.add(300, 300);
    EXPECT_EQ(fit_scroll_x(corner, 1, 400), 0);
}

}  // namespace
}  // namespace vantor
