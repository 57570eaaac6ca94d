#pragma once

#include <array>

#include "window/model_window.h"

namespace vantor {

// Twips to a screen pixel at 100 %.
inline constexpr double kTwipsPerPixel = 15;

// The zoom steps in percent, smallest first. Zoom is a view setting only:
// the window's state, its records and its journal stay in twips.
inline constexpr std::array<int, 15> kZoomSteps = {25,  33,  50,  67,  75,  90,  100, 110,
                                                   125, 150, 175, 200, 250, 300, 400};
inline constexpr int kActualSize = 100;

// Room kept free on each side of the drawing when it is zoomed to fit: a
// twentieth of the view, and never less than a few pixels.
inline constexpr double kFitMarginShare = 0.05;
inline constexpr double kFitMarginPixels = 8;
double fit_margin_pixels(double view_pixels);

inline double zoom_factor(int percent) {
    return percent / 100.0;
}

// The next step up (or down) from `percent`, which need not be a step; the
// ends of the ladder stay where they are.
int zoom_in_step(int percent);
int zoom_out_step(int percent);

// Twips covered by `px` screen pixels at `zoom`, and back. At zoom 1 the
// twips are exactly px × 15.
inline double pixels_to_twips(double px, double zoom) {
    return px * kTwipsPerPixel / zoom;
}
inline double twips_to_pixels(double twips, double zoom) {
    return twips * zoom / kTwipsPerPixel;
}

// The scroll value that puts `twips` under the pixel `px` at `zoom`, as far
// as the scroll range allows.
int scroll_keeping(double twips, double px, double zoom);

// What the visible glyphs and bond lines cover, in twips.
struct TwipsExtent {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
    bool empty = true;

    void add(double x, double y);
};

TwipsExtent drawing_extent_twips(const ModelWindow& window);

// The largest step at which `drawing`, with its margins, fits `width` ×
// `height` pixels; the smallest step when none does, 100 % for an empty
// drawing.
int fit_zoom_percent(const TwipsExtent& drawing, double width, double height);

// The scroll values at `zoom` for a view `width` (or `height`) pixels
// across: the drawing centred when it fits with its margins, so that they
// are alike on both sides, else its top-left corner a margin inside the
// view. The scroll range may keep a drawing near its top or left edge from
// moving that far.
int fit_scroll_x(const TwipsExtent& drawing, double zoom, double width);
int fit_scroll_y(const TwipsExtent& drawing, double zoom, double height);

}  // namespace vantor
