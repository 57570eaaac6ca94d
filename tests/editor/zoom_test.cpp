#include "editor/zoom.h"

#include <gtest/gtest.h>

#include "editor_fixtures.h"

namespace vantor {
namespace {

TEST(Zoom, StepsRunFromAQuarterToFourTimes) {
    const struct {
        int from, in, out;
    } cases[] = {
        {100, 110, 90},  {25, 33, 25}, {400, 400, 300},
        {105, 110, 100}, {10, 25, 25}, {999, 400, 400},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(zoom_in_step(c.from), c.in) << c.from;
        EXPECT_EQ(zoom_out_step(c.from), c.out) << c.from;
    }
}

TEST(Zoom, PixelsAndTwipsConvertBothWaysAtEveryStep) {
    for (int step : kZoomSteps) {
        const double zoom = zoom_factor(step);
        for (double px : {0.0, 1.0, 37.5, 481.0}) {
            EXPECT_NEAR(twips_to_pixels(pixels_to_twips(px, zoom), zoom), px, 1e-9) << step;
        }
    }
    EXPECT_EQ(pixels_to_twips(10, zoom_factor(50)), 300);
    EXPECT_EQ(pixels_to_twips(10, zoom_factor(200)), 75);
}

TEST(Zoom, AZoomAboutAPointKeepsItsTwipsThereWithinTheScrollRange) {
    const struct {
        double twips, px, zoom;
        int scroll;
    } cases[] = {
        {3000, 100, 2, 2250},  // 100 px at 200 % are 750 twips
        {3000, 200, 0.5, 0},   // 6000 twips to the left: stops at the edge
        {21000, 0, 1, kScrollMax},
        {1000.4, 0, 1, 1000},
    };
    for (const auto& c : cases) EXPECT_EQ(scroll_keeping(c.twips, c.px, c.zoom), c.scroll);
}

class ZoomWindow : public test::EditorTest {};

TEST_F(ZoomWindow, FitPicksTheLargestStepThatHoldsTheDrawingAndItsMargins) {
    EXPECT_EQ(fit_zoom_percent(drawing_extent_twips(window), 400, 300), kActualSize);

    const int a = add(test::element("R__", "R"), 1500, 900);
    const int b = add(test::element("C__", "C"), 4500, 2400);
    add_bond(a, b, 1600, 1000, 4600, 2500);
    const TwipsExtent drawing = drawing_extent_twips(window);
    ASSERT_FALSE(drawing.empty);
    EXPECT_EQ(drawing.left, 1500);
    EXPECT_EQ(drawing.top, 900);
    EXPECT_EQ(drawing.right, 4500 + window.image1[static_cast<std::size_t>(b)].width);
    EXPECT_EQ(drawing.bottom, 2400 + window.image1[static_cast<std::size_t>(b)].height);

    const double wide = twips_to_pixels(drawing.right - drawing.left, 1);
    const double high = twips_to_pixels(drawing.bottom - drawing.top, 1);
    const double margins = 2 * kFitMarginPixels;
    const struct {
        double width, height;
        int percent;
    } cases[] = {
        {wide + margins, high + margins, 100},          // just fits
        {wide + margins - 1, high + margins, 90},       // a pixel short
        {2 * wide + margins, 2 * high + margins, 200},  //
        {100 * wide, 100 * high, 400},                  // capped at the top step
        {20, 20, 25},                                   // nothing fits
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fit_zoom_percent(drawing, c.width, c.height), c.percent) << c.width;
    }
    // The drawing's corner lands a margin inside the view.
    EXPECT_EQ(fit_scroll_x(drawing, 2), 1500 - 60);
    EXPECT_EQ(fit_scroll_y(drawing, 0.5), 900 - 240);
}

}  // namespace
}  // namespace vantor
