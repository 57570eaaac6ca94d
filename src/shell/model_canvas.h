#pragma once

#include <QSize>
#include <QSizeF>
#include <QWidget>
#include <functional>

#include "editor/events.h"
#include "editor/pointer_router.h"
#include "shell/canvas_picture.h"
#include "window/model_window.h"

class QScrollBar;

namespace vantor::shell {

class CaptionEditor;

// The client area of a model window: paints the window's state as seen from
// its scroll origin, places the two scroll bars and the corner filler where
// the state puts them, shows the pointer shape the state asks for, lays a
// text editor over the caption box while the state shows it, and turns Qt's
// pointer, scroll, resize, focus, drop and typing events into the window's
// events, which `forward` runs. It never changes the state itself.
class ModelCanvas : public QWidget {
    Q_OBJECT

  public:
    using Forward = std::function<void(const EditorEvent&)>;

    ModelCanvas(const ModelWindow& window, Forward forward, QWidget* parent = nullptr);

    // The window is gone: paper is all that is painted, and no event leaves.
    void detach();

    // The state changed: paint again what looks different, and bring the
    // scroll bars, the filler and the pointer in line.
    void refresh();

    QScrollBar* horizontal_bar() const { return hbar_; }
    QScrollBar* vertical_bar() const { return vbar_; }
    QWidget* corner() const { return corner_; }
    CaptionEditor* caption_editor() const { return caption_; }

    // The window's outer size in twips for a client area of `client` pixels,
    // and back: the margins are those the scroll bar layout keeps around
    // the client area (frame, title and menu bar).
    static QSizeF outer_twips(QSize client);
    static QSize client_pixels(const Viewport& viewport);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void forget_lost_release(const QMouseEvent* event);
    void place_bars();
    void scrolled(EventKind kind, int value);

    const ModelWindow* window_;
    Forward forward_;
    PointerRouter router_;
    QScrollBar* hbar_;
    QScrollBar* vbar_;
    QWidget* corner_;
    CaptionEditor* caption_;
    CanvasPicture painted_;
    int shown_pointer_ = 0;
};

}  // namespace vantor::shell
