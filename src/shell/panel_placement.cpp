#include "shell/panel_placement.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "shell/library_panel_widget.h"
#include "shell/model_canvas.h"
#include "shell/mouse_buttons.h"

namespace vantor::shell {

PanelPlacement::PanelPlacement(LibraryPanelWidget& panel, AppState& app, Ports& ports)
    : QObject(&panel), panel_(panel), app_(app), ports_(ports) {}

bool PanelPlacement::eventFilter(QObject* watched, QEvent* event) {
    const bool armed = panel_.core().armed().has_value();
    switch (event->type()) {
        case QEvent::KeyPress:
            if (armed && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) panel_.disarm();
            return false;
        case QEvent::MouseButtonPress:
            if (auto* canvas = qobject_cast<ModelCanvas*>(watched); canvas != nullptr) {
                placed_on_ = nullptr;
                // A release that went elsewhere is not waited for past the next click.
                if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                    release_on_ = nullptr;
                }
                if (armed) return press(*canvas, event);
            }
            return false;
        case QEvent::MouseButtonDblClick:
            // A double click to place is one placement, not a double click
            // on the element it placed.
            if (watched == placed_on_ && placed_on_ != nullptr &&
                static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                placed_on_ = nullptr;
                release_on_ = static_cast<ModelCanvas*>(watched);
                return true;
            }
            return false;
        case QEvent::MouseButtonRelease:
            if (release_on_ != nullptr && watched == release_on_ &&
                static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                release_on_ = nullptr;
                return true;
            }
            return false;
        default:
            return false;
    }
}

bool PanelPlacement::press(ModelCanvas& canvas, QEvent* event) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPointF at = mouse->position();
    if (canvas.armed_press_at(at, button_of(mouse->button())) != ArmedPress::kPlace) {
        panel_.disarm();
        return false;
    }
    const ArmedEntry chosen = *panel_.core().armed();
    panel_.disarm();
    placed_on_ = &canvas;
    release_on_ = &canvas;
    if (panel_.core().capture(app_, ports_, chosen.library, chosen.entry)) {
        canvas.drop_entry(at, panel_.core().drop_name(chosen.library), chosen.entry);
    }
    return true;
}

}  // namespace vantor::shell
