#include "shell/model_canvas.h"

// The canvas's pointer, keyboard, wheel and drop events, turned into router calls.

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
#include "shell/mouse_buttons.h"
#include "shell/pointer_cursor.h"
#include "shell/zoomed_view.h"

namespace vantor::shell {

namespace {

// A wheel's notch.
constexpr int kWheelNotch = 120;

int shift_of(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

}  // namespace

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
    update_bond_feedback();
}

void ModelCanvas::mouseMoveEvent(QMouseEvent* event) {
    if (window_ == nullptr) return;
    const QPointF at = event->position();
    pointer_ = at;
    pointer_inside_ = true;
    Q_EMIT pointer_moved(pixel_to_twips_x(*window_, at.x(), zoom()),
                         pixel_to_twips_y(*window_, at.y(), zoom()));
    router_.move(*window_, shift_of(event->modifiers()), at.x(), at.y());
    update_bond_feedback();
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
    update_bond_feedback();
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
    // Escape ends the gesture under way as a focus loss does; a bond half
    // drawn goes.
    if (event->key() == Qt::Key_Escape && window_ != nullptr && held_buttons() != 0) {
        escaped_buttons_ |= held_buttons();
        router_.escape(*window_);
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
    drop_entry(event->position(), drag->library.toStdString(), drag->entry);
}

void ModelCanvas::drop_entry(QPointF at, const std::string& library, int entry) {
    if (window_ == nullptr) return;
    router_.drop(*window_, at.x(), at.y(), library, entry);
}

ArmedPress ModelCanvas::armed_press_at(QPointF at, int button) const {
    if (window_ == nullptr) return ArmedPress::kDisarm;
    return armed_press(*window_, button, router_.held_buttons(),
                       pixel_to_twips_x(*window_, at.x(), zoom()),
                       pixel_to_twips_y(*window_, at.y(), zoom()));
}

}  // namespace vantor::shell
