#include "shell/window_places.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <algorithm>

namespace vantor::shell {

namespace {

const QString kGeometry = QStringLiteral("/geometry");
const QString kSize = QStringLiteral("/size");

QRect room_at(QPoint point) {
    const QScreen* screen = QGuiApplication::screenAt(point);
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    return screen == nullptr ? QRect() : screen->availableGeometry();
}

// Keeps a window's place as it moves, resizes, hides or closes; a child of
// the window, so it goes with it.
class PlaceKeeper : public QObject {
  public:
    PlaceKeeper(QWidget& window, WindowPlaces& places, QString key)
        : QObject(&window), window_(&window), places_(places), key_(std::move(key)) {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_) return false;
        // Kept as it changes, so that a window destroyed with its owner, or
        // a run that ends abruptly, still leaves its last place; a window's
        // geometry still holds as it hides, and a main window closing ends
        // the program before it hides.
        switch (event->type()) {
            case QEvent::Move:
            case QEvent::Resize:
                if (window_->isVisible()) places_.keep(*window_, key_);
                break;
            case QEvent::Hide:
            case QEvent::Close:
                places_.keep(*window_, key_);
                break;
            default:
                break;
        }
        return false;
    }

  private:
    QPointer<QWidget> window_;
    WindowPlaces& places_;
    QString key_;
};

}  // namespace

QRect fit_on_screen(QRect frame, QRect available) {
    if (available.isEmpty()) return frame;
    frame.setSize(frame.size().boundedTo(available.size()));
    frame.moveLeft(std::clamp(frame.left(), available.left(),
                              available.left() + available.width() - frame.width()));
    frame.moveTop(std::clamp(frame.top(), available.top(),
                             available.top() + available.height() - frame.height()));
    return frame;
}

QSize comfortable_size(QRect available) {
    return QSize(available.width() * 2 / 3, available.height() * 2 / 3);
}

QRect available_room(const QWidget& window) {
    return room_at(window.geometry().center());
}

void fit_to_screen(QWidget& window) {
    const QRect room = available_room(window);
    const QRect fitted = fit_on_screen(window.geometry(), room);
    if (fitted != window.geometry()) window.setGeometry(fitted);
}

bool WindowPlaces::restore(QWidget& window, const QString& key) const {
    const QRect kept = settings_.value(key + kGeometry).toRect();
    if (!kept.isValid()) return false;
    window.setGeometry(fit_on_screen(kept, room_at(kept.center())));
    return true;
}

void WindowPlaces::keep(const QWidget& window, const QString& key) {
    settings_.setValue(key + kGeometry, window.geometry());
}

bool WindowPlaces::follow(QWidget& window, const QString& key) {
    const bool restored = restore(window, key);
    watch(window, key);
    return restored;
}

void WindowPlaces::watch(QWidget& window, const QString& key) {
    new PlaceKeeper(window, *this, key);
}

std::optional<QSize> WindowPlaces::size(const QString& key) const {
    const QSize kept = settings_.value(key + kSize).toSize();
    if (!kept.isValid() || kept.isEmpty()) return std::nullopt;
    return kept;
}

void WindowPlaces::keep_size(const QString& key, QSize size) {
    settings_.setValue(key + kSize, size);
}

}  // namespace vantor::shell
