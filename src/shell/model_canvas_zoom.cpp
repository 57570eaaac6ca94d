// The canvas's zoom: a view setting only. The window keeps working in twips;
// changing the scale resizes and scrolls it as the user would.
#include "shell/model_canvas.h"
#include "shell/zoomed_view.h"

namespace vantor::shell {

double ModelCanvas::zoom() const {
    return zoom_factor(zoom_percent_);
}

QSize ModelCanvas::view_pixels() const {
    const QRect corner = edge_bars(size()).corner;
    return QSize(corner.left(), corner.top());
}

void ModelCanvas::change_zoom(int percent) {
    zoom_percent_ = percent;
    router_.set_zoom(zoom());
    send_size();
    Q_EMIT zoom_changed(percent);
}

void ModelCanvas::scroll_to(int h, int v) {
    if (window_ != nullptr && h != window_->viewport.HScroll1.value) {
        scrolled(EventKind::kHScroll, h);
    }
    if (window_ != nullptr && v != window_->viewport.VScroll1.value) {
        scrolled(EventKind::kVScroll, v);
    }
    // Everything looks different, wherever the scrolling went.
    update();
    refresh();
}

bool ModelCanvas::may_zoom() const {
    // A gesture in progress keeps the scale it started with.
    return window_ != nullptr && router_.held_buttons() == 0;
}

void ModelCanvas::set_zoom(int percent, QPointF anchor) {
    if (!may_zoom() || percent == zoom_percent_) return;
    const double x = pixels_to_twips(anchor.x(), zoom()) + window_->viewport.HScroll1.value;
    const double y = pixels_to_twips(anchor.y(), zoom()) + window_->viewport.VScroll1.value;
    change_zoom(percent);
    scroll_to(scroll_keeping(x, anchor.x(), zoom()), scroll_keeping(y, anchor.y(), zoom()));
}

QPointF ModelCanvas::view_middle() const {
    const QSize view = view_pixels();
    return QPointF(view.width() / 2.0, view.height() / 2.0);
}

void ModelCanvas::zoom_in() {
    set_zoom(zoom_in_step(zoom_percent_), view_middle());
}

void ModelCanvas::zoom_out() {
    set_zoom(zoom_out_step(zoom_percent_), view_middle());
}

void ModelCanvas::actual_size() {
    set_zoom(kActualSize, view_middle());
}

void ModelCanvas::zoom_to_fit() {
    if (!may_zoom()) return;
    const TwipsExtent drawing = drawing_extent_twips(*window_);
    const QSize view = view_pixels();
    change_zoom(fit_zoom_percent(drawing, view.width(), view.height()));
    if (drawing.empty) {
        scroll_to(window_->viewport.HScroll1.value, window_->viewport.VScroll1.value);
    } else {
        scroll_to(fit_scroll_x(drawing, zoom(), view.width()),
                  fit_scroll_y(drawing, zoom(), view.height()));
    }
}

}  // namespace vantor::shell
