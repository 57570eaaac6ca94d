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

#include "shell/caption_editor.h"
#include "shell/element_drag.h"
#include "shell/pointer_cursor.h"
#include "shell/window_painter.h"
#include "shell/zoomed_view.h"

namespace vantor::shell {

namespace {

// What the scroll bar layout leaves around the client area: a new window's
// 7335 × 3810 twips hold 481 × 209 pixels with both bars at its edges.
constexpr int kFrameTwipsX = 120;
constexpr int kFrameTwipsY = 675;

// Beyond this many changed places one rectangle around them all is cheaper.
constexpr std::size_t kMostRepaintRects = 64;

// A wheel's notch.
constexpr int kWheelNotch = 120;

int button_of(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return 1;
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        default:
            return 0;
    }
}

int shift_of(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

QRect bar_rect(const ScrollBar& bar, ViewOrigin origin) {
    return QRect(to_pixels(bar.left - origin.x), to_pixels(bar.top - origin.y),
                 to_pixels(bar.width), to_pixels(bar.height));
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
    painted_ = picture_of(window, size());
    place_bars();
    caption_->follow(window.Text1, scroll_origin(window));
    setCursor(pointer_cursor(window.MousePointer));
    shown_pointer_ = window.MousePointer;
}

QSizeF ModelCanvas::outer_twips(QSize client, double zoom) {
    return QSizeF(pixels_to_twips(client.width(), zoom) + kFrameTwipsX,
                  pixels_to_twips(client.height(), zoom) + kFrameTwipsY);
}

QSize ModelCanvas::client_pixels(const Viewport& viewport) {
    return QSize(std::max(0, to_pixels(viewport.width - kFrameTwipsX)),
                 std::max(0, to_pixels(viewport.height - kFrameTwipsY)));
}

void ModelCanvas::detach() {
    window_ = nullptr;
    caption_->detach();
    update();
}

void ModelCanvas::refresh() {
    if (window_ == nullptr) return;
    CanvasPicture now = picture_of(*window_, size());
    const Repaint repaint = changed_area(painted_, now);
    if (repaint.whole) {
        update();
    } else if (repaint.rects.size() > kMostRepaintRects) {
        update(to_screen(repaint.bounding(), zoom()));
    } else {
        for (const QRect& rect : repaint.rects) update(to_screen(rect, zoom()));
    }
    painted_ = std::move(now);
    place_bars();
    caption_->follow(window_->Text1, scroll_origin(*window_), zoom());
    if (window_->MousePointer != shown_pointer_) {
        shown_pointer_ = window_->MousePointer;
        setCursor(pointer_cursor(shown_pointer_));
    }
}

void ModelCanvas::place_bars() {
    if (window_ == nullptr) return;
    const Viewport& viewport = window_->viewport;
    if (zoom_percent_ == kActualSize) {
        const ViewOrigin origin = scroll_origin(*window_);
        hbar_->setGeometry(bar_rect(viewport.HScroll1, origin));
        vbar_->setGeometry(bar_rect(viewport.VScroll1, origin));
        corner_->setGeometry(to_pixels(viewport.label1_left - origin.x),
                             to_pixels(viewport.label1_top - origin.y), vbar_->width(),
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
    painter.fillRect(event->rect(), QColor::fromRgb(kPaperRgb));
    if (window_ == nullptr) return;
    apply_zoom(painter, zoom());
    paint_window(painter, *window_, scroll_origin(*window_), from_screen(event->rect(), zoom()));
}

void ModelCanvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (window_ == nullptr) return;
    send_size();
    refresh();
}

// A release that a modal dialog took never reached the canvas; when Qt says
// no other button is held, the router starts afresh.
void ModelCanvas::forget_lost_release(const QMouseEvent* event) {
    if (router_.held_buttons() != 0 && (event->buttons() & ~event->button()) == Qt::NoButton) {
        router_.forget_buttons();
    }
}

void ModelCanvas::mousePressEvent(QMouseEvent* event) {
    if (window_ == nullptr) return;
    forget_lost_release(event);
    escaped_buttons_ &= ~button_of(event->button());  // its release went elsewhere
    const QPointF at = event->position();
    router_.press(*window_, button_of(event->button()), shift_of(event->modifiers()), at.x(),
                  at.y());
}

void ModelCanvas::mouseMoveEvent(QMouseEvent* event) {
    if (window_ == nullptr) return;
    const QPointF at = event->position();
    Q_EMIT pointer_moved(pixel_to_twips_x(*window_, at.x(), zoom()),
                         pixel_to_twips_y(*window_, at.y(), zoom()));
    router_.move(*window_, shift_of(event->modifiers()), at.x(), at.y());
}

void ModelCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (window_ == nullptr) return;
    const int button = button_of(event->button());
    if ((escaped_buttons_ & button) != 0) {
        // Its gesture ended with Escape: the release is no click.
        escaped_buttons_ &= ~button;
        return;
    }
    const QPointF at = event->position();
    router_.release(*window_, button_of(event->button()), shift_of(event->modifiers()), at.x(),
                    at.y());
}

void ModelCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
    if (window_ == nullptr) return;
    forget_lost_release(event);
    const QPointF at = event->position();
    router_.double_click(*window_, button_of(event->button()), shift_of(event->modifiers()), at.x(),
                         at.y());
}

void ModelCanvas::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    // Opening a menu keeps the window's focus, and so does typing a caption.
    if (window_ == nullptr || event->reason() == Qt::PopupFocusReason ||
        QApplication::focusWidget() == caption_)
        return;
    router_.focus_lost();
}

int ModelCanvas::held_buttons() const {
    // A modal box that opened during the gesture took its release.
    const Qt::MouseButtons down = QGuiApplication::mouseButtons();
    int held = 0;
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        if ((down & button) != 0) held |= button_of(button);
    }
    return router_.held_buttons() & held;
}

void ModelCanvas::keyPressEvent(QKeyEvent* event) {
    // Escape ends the gesture under way as a focus loss does.
    if (event->key() == Qt::Key_Escape && window_ != nullptr && held_buttons() != 0) {
        escaped_buttons_ |= held_buttons();
        router_.focus_lost();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ModelCanvas::wheelEvent(QWheelEvent* event) {
    if ((event->modifiers() & Qt::ControlModifier) != 0) {
        // Zooms a step a notch about the pointer; a touchpad's small turns add up.
        wheel_rest_ += event->angleDelta().y();
        int percent = zoom_percent_;
        for (; wheel_rest_ >= kWheelNotch; wheel_rest_ -= kWheelNotch) {
            percent = zoom_in_step(percent);
        }
        for (; wheel_rest_ <= -kWheelNotch; wheel_rest_ += kWheelNotch) {
            percent = zoom_out_step(percent);
        }
        set_zoom(percent, event->position());
        event->accept();
        return;
    }
    // The wheel works the scroll bars, whose changes are the user's scrolling;
    // with Shift, or sideways, the horizontal one.
    const bool sideways =
        event->angleDelta().x() != 0 || (event->modifiers() & Qt::ShiftModifier) != 0;
    QCoreApplication::sendEvent(sideways ? hbar_ : vbar_, event);
}

void ModelCanvas::dragEnterEvent(QDragEnterEvent* event) {
    if (window_ != nullptr && read_element_drag(event->mimeData())) event->acceptProposedAction();
}

void ModelCanvas::dragMoveEvent(QDragMoveEvent* event) {
    if (window_ != nullptr && read_element_drag(event->mimeData())) event->acceptProposedAction();
}

void ModelCanvas::dropEvent(QDropEvent* event) {
    const auto drag = read_element_drag(event->mimeData());
    if (window_ == nullptr || !drag) return;
    event->acceptProposedAction();
    const QPointF at = event->position();
    router_.drop(*window_, at.x(), at.y(), drag->library.toStdString(), drag->entry);
}

}  // namespace vantor::shell
