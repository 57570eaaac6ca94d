#include "editor/zoom.h"

#include <algorithm>
#include <cmath>

namespace vantor {

namespace {

int clamp_scroll(double value) {
    return static_cast<int>(std::clamp<double>(std::lround(value), 0, kScrollMax));
}

void add_line(TwipsExtent& extent, const LineControl& line) {
    if (!line.visible) return;
    extent.add(line.x1, line.y1);
    extent.add(line.x2, line.y2);
}

}  // namespace

int zoom_in_step(int percent) {
    const auto* next = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), percent);
    return next == kZoomSteps.end() ? kZoomSteps.back() : *next;
}

int zoom_out_step(int percent) {
    const auto* at = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), percent);
    return at == kZoomSteps.begin() ? kZoomSteps.front() : *(at - 1);
}

int scroll_keeping(double twips, double px, double zoom) {
    return clamp_scroll(twips - pixels_to_twips(px, zoom));
}

void TwipsExtent::add(double x, double y) {
    if (empty) {
        left = right = x;
        top = bottom = y;
        empty = false;
        return;
    }
    left = std::min(left, x);
    right = std::max(right, x);
    top = std::min(top, y);
    bottom = std::max(bottom, y);
}

TwipsExtent drawing_extent_twips(const ModelWindow& window) {
    TwipsExtent extent;
    for (int i = 1; i <= window.model.nobj; ++i) {
        const Glyph& g = window.image1[static_cast<std::size_t>(i)];
        if (!g.visible) continue;
        extent.add(g.left, g.top);
        extent.add(static_cast<double>(g.left) + g.width, static_cast<double>(g.top) + g.height);
    }
    for (int j = 1; j <= window.model.nlin; ++j) {
        const auto k = static_cast<std::size_t>(j);
        add_line(extent, window.linea[k]);
        add_line(extent, window.linea2[k]);
        add_line(extent, window.Linea3[k]);
    }
    return extent;
}

double fit_margin_pixels(double view_pixels) {
    return std::max(kFitMarginPixels, view_pixels * kFitMarginShare);
}

int fit_zoom_percent(const TwipsExtent& drawing, double width, double height) {
    if (drawing.empty) return kActualSize;
    const double room_x = width - 2 * fit_margin_pixels(width);
    const double room_y = height - 2 * fit_margin_pixels(height);
    for (auto step = kZoomSteps.rbegin(); step != kZoomSteps.rend(); ++step) {
        const double zoom = zoom_factor(*step);
        if (twips_to_pixels(drawing.right - drawing.left, zoom) <= room_x &&
            twips_to_pixels(drawing.bottom - drawing.top, zoom) <= room_y) {
            return *step;
        }
    }
    return kZoomSteps.front();
}

namespace {

int fit_scroll(double from, double to, double zoom, double view) {
    const double margin = fit_margin_pixels(view);
    if (twips_to_pixels(to - from, zoom) <= view - 2 * margin) {
        return scroll_keeping((from + to) / 2, view / 2, zoom);
    }
    return scroll_keeping(from, margin, zoom);
}

}  // namespace

int fit_scroll_x(const TwipsExtent& drawing, double zoom, double width) {
    return fit_scroll(drawing.left, drawing.right, zoom, width);
}

int fit_scroll_y(const TwipsExtent& drawing, double zoom, double height) {
    return fit_scroll(drawing.top, drawing.bottom, zoom, height);
}

}  // namespace vantor
