#include "shell/model_canvas.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWheelEvent>
#include <cmath>

#include "paint/window_painter.h"
#include "shell/caption_editor.h"
#include "shell/element_drag.h"
#include "shell/pointer_cursor.h"
#include "shell/zoomed_view.h"

namespace vantor::shell {

namespace {

// What the scroll bar layout leaves around the client area: a new window's
// 7335 × 3810 twips hold 481 × 209 pixels with both bars at its edges.
constexpr int kFrameTwipsX = 120;
constexpr int kFrameTwipsY = 675;

// Beyond this many changed places one rectangle around them all is cheaper.
constexpr std::size_t kMostRepaintRects = 64;

QRect bar_rect(const ScrollBar& bar, paint::ViewOrigin origin) {
    return QRect(paint::to_pixels(bar.left - origin.x), paint::to_pixels(bar.top - origin.y),
                 paint::to_pixels(bar.width), paint::to_pixels(bar.height));
}

QScrollBar* make_bar(Qt::Orientation orientation, QWidget* parent) {
    auto* bar = new QScrollBar(orientation, parent);
    bar->setRange(0, kScrollMax);
    bar->setSingleStep(kScrollSmallChange);
    bar->setPageStep(kScrollLargeChange);
    bar->setFocusPolicy(Qt::NoFocus);
    return bar;
}

}  // namespace

ModelCanvas::ModelCanvas(const ModelWindow& window, Forward forward, QWidget* parent)
    : QWidget(parent),
      window_(&window),
      forward_(std::move(forward)),
      router_([this](const EditorEvent& event) {
          if (window_ != nullptr) forward_(event);
      }),
      hbar_(make_bar(Qt::Horizontal, this)),
      vbar_(make_bar(Qt::Vertical, this)),
      corner_(new QWidget(this)),
      caption_(new CaptionEditor(
          [this](const EditorEvent& event) {
              if (window_ != nullptr) forward_(event);
          },
          this)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    setAcceptDrops(true);
    corner_->setAutoFillBackground(true);
    connect(hbar_, &QScrollBar::valueChanged, this,
            [this](int value) { scrolled(EventKind::kHScroll, value); });
    connect(vbar_, &QScrollBar::valueChanged, this,
            [this](int value) { scrolled(EventKind::kVScroll, value); });
    resize(client_pixels(window.viewport));
    painted_ = paint::picture_of(window, size());
    place_bars();
    caption_->follow(window.Text1, paint::scroll_origin(window));
    setCursor(pointer_cursor(window.MousePointer));
    shown_pointer_ = window.MousePointer;
}

QSizeF ModelCanvas::outer_twips(QSize client, double zoom) {
    return QSizeF(pixels_to_twips(client.width(), zoom) + kFrameTwipsX,
                  pixels_to_twips(client.height(), zoom) + kFrameTwipsY);
}

QSize ModelCanvas::client_pixels(const Viewport& viewport) {
    return QSize(std::max(0, paint::to_pixels(viewport.width - kFrameTwipsX)),
                 std::max(0, paint::to_pixels(viewport.height - kFrameTwipsY)));
}

void ModelCanvas::detach() {
    window_ = nullptr;
    caption_->detach();
    update_bond_feedback();
    update();
}

void ModelCanvas::refresh() {
    if (window_ == nullptr) return;
    paint::CanvasPicture now = paint::picture_of(*window_, size());
    const paint::Repaint repaint = paint::changed_area(painted_, now);
    if (repaint.whole) {
        update();
    } else if (repaint.rects.size() > kMostRepaintRects) {
        update(to_screen(repaint.bounding(), zoom()));
    } else {
        for (const QRect& rect : repaint.rects) update(to_screen(rect, zoom()));
    }
    painted_ = std::move(now);
    place_bars();
    caption_->follow(window_->Text1, paint::scroll_origin(*window_), zoom());
    if (window_->MousePointer != shown_pointer_) {
        shown_pointer_ = window_->MousePointer;
        setCursor(pointer_cursor(shown_pointer_));
    }
    update_bond_feedback();
}

void ModelCanvas::place_bars() {
    if (window_ == nullptr) return;
    const Viewport& viewport = window_->viewport;
    if (zoom_percent_ == kActualSize) {
        const paint::ViewOrigin origin = paint::scroll_origin(*window_);
        hbar_->setGeometry(bar_rect(viewport.HScroll1, origin));
        vbar_->setGeometry(bar_rect(viewport.VScroll1, origin));
        corner_->setGeometry(paint::to_pixels(viewport.label1_left - origin.x),
                             paint::to_pixels(viewport.label1_top - origin.y), vbar_->width(),
                             hbar_->height());
    } else {
        const EdgeBars bars = edge_bars(size());
        hbar_->setGeometry(bars.horizontal);
        vbar_->setGeometry(bars.vertical);
        corner_->setGeometry(bars.corner);
    }
    // The program's own changes of the values are no user's scrolling.
    const QSignalBlocker hold_h(hbar_);
    const QSignalBlocker hold_v(vbar_);
    hbar_->setValue(viewport.HScroll1.value);
    vbar_->setValue(viewport.VScroll1.value);
}

void ModelCanvas::scrolled(EventKind kind, int value) {
    if (window_ == nullptr) return;
    EditorEvent event;
    event.kind = kind;
    event.value = value;
    forward_(event);
}

void ModelCanvas::send_size() {
    if (window_ == nullptr) return;
    const QSizeF outer = outer_twips(size(), zoom());
    const auto width = static_cast<float>(outer.width());
    const auto height = static_cast<float>(outer.height());
    if (width != window_->viewport.width || height != window_->viewport.height) {
        EditorEvent resized;
        resized.kind = EventKind::kResize;
        resized.x = width;
        resized.y = height;
        forward_(resized);
    }
}

void ModelCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), QColor::fromRgb(paint::kPaperRgb));
    if (window_ == nullptr) return;
    apply_zoom(painter, zoom());
    paint::paint_window(painter, *window_, paint::scroll_origin(*window_),
                        from_screen(event->rect(), zoom()));
    paint_bond_feedback(painter);
}

void ModelCanvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (window_ == nullptr) return;
    send_size();
    refresh();
}

}  // namespace vantor::shell
