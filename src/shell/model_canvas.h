#pragma once

#include <QPointF>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QWidget>
#include <functional>

#include "editor/click_to_place.h"
#include "editor/events.h"
#include "editor/pointer_router.h"
#include "editor/zoom.h"
#include "paint/canvas_picture.h"
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
// It shows the drawing at a zoom of its own, which the state never sees but
// through the events: a zoom sends the window's new size in twips and the
// scrolling it takes.
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

    // The element outlined as where a bond starts or would end; 0 for none.
    int bond_highlight() const { return highlighted_; }

    // The mouse buttons held since a press the canvas saw and not released
    // since, wherever the release went: a gesture is open.
    int held_buttons() const;

    // Entry `entry` of library `library` (library/NAME.lib) dropped at `at`
    // (pixels): what a drop from its palette there does, dragobj holding it.
    void drop_entry(QPointF at, const std::string& library, int entry);
    // What a press of `button` (1 left, 2 right, 4 middle) at `at` (pixels)
    // does while a library entry waits to be placed by a click.
    ArmedPress armed_press_at(QPointF at, int button) const;

    // The zoom in percent, one of kZoomSteps.
    int zoom_percent() const { return zoom_percent_; }
    // Zooms to `percent`, keeping the twips under the pixel `anchor` there
    // as far as the scroll range allows.
    void set_zoom(int percent, QPointF anchor);
    // A step in or out, or back to 100 %, about the middle of the view.
    void zoom_in();
    void zoom_out();
    void actual_size();
    // The largest step that shows the whole drawing, its top-left corner in view.
    void zoom_to_fit();

  Q_SIGNALS:
    void zoom_changed(int percent);
    // The pointer moved to (x, y) twips, as the window's handlers see it.
    void pointer_moved(float x, float y);
    // What the status bar should say of drawing a bond here; empty for nothing.
    void bond_hint(const QString& text);

  public:
    // The window's outer size in twips for a client area of `client` pixels
    // shown at `zoom`, and back at 100 %: the margins are those the scroll
    // bar layout keeps around the client area (frame, title and menu bar).
    static QSizeF outer_twips(QSize client, double zoom = 1);
    static QSize client_pixels(const Viewport& viewport);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    void forget_lost_release(const QMouseEvent* event);
    void place_bars();
    void scrolled(EventKind kind, int value);
    double zoom() const;
    // The part of the canvas the drawing shows in, without the scroll bars.
    QSize view_pixels() const;
    // Tells the window its size in twips when the zoom or the size changed it.
    void send_size();
    void change_zoom(int percent);
    // Sends the scroll values that changed, then paints everything again.
    void scroll_to(int h, int v);
    bool may_zoom() const;
    QPointF view_middle() const;
    // The outline around the element a bond would start from or join, and
    // the status bar's words, brought in line with the state and the pointer.
    // Only the screen shows them: no event, state or picture does.
    void update_bond_feedback();
    // The outline's rectangle in 100 % pixels; empty for no element.
    QRect highlight_rect(int element) const;
    void paint_bond_feedback(QPainter& painter) const;

    const ModelWindow* window_;
    Forward forward_;
    PointerRouter router_;
    QScrollBar* hbar_;
    QScrollBar* vbar_;
    QWidget* corner_;
    CaptionEditor* caption_;
    paint::CanvasPicture painted_;
    int shown_pointer_ = 0;
    int zoom_percent_ = kActualSize;
    int wheel_rest_ = 0;       // wheel turns short of a whole notch
    int escaped_buttons_ = 0;  // held when Escape ended their gesture; their release is dropped
    QPointF pointer_ = {};     // the pointer's last place on the canvas, in pixels
    bool pointer_inside_ = false;
    int highlighted_ = 0;     // the outlined element
    QRect highlighted_rect_;  // where its outline was painted, 100 % pixels
    QString hint_;
};

}  // namespace vantor::shell
