#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

class QSettings;
class QWidget;

namespace vantor::shell {

// `frame` moved and shrunk as little as it takes to lie within `available`.
QRect fit_on_screen(QRect frame, QRect available);

// The size a new model window opens at when none is remembered: two thirds
// of the screen's room.
QSize comfortable_size(QRect available);

// The room of the screen that `window` opens on (where it lies, else the
// primary screen).
QRect available_room(const QWidget& window);

// `window` shrunk and moved onto the screen it opens on.
void fit_to_screen(QWidget& window);

// The sizes and places of the program's windows, kept between runs in
// `settings` under a key per window ("main", "palette/LIBRARY", ...).
class WindowPlaces {
  public:
    explicit WindowPlaces(QSettings& settings) : settings_(settings) {}

    // Puts `window` where it was last kept under `key`, fitted on the screen;
    // false, with the window as it was, when nothing was kept.
    bool restore(QWidget& window, const QString& key) const;
    // Keeps where `window` is, under `key`.
    void keep(const QWidget& window, const QString& key);

    // Restores `window` now and keeps its place whenever it moves, resizes,
    // hides or closes.
    // True when a place was restored.
    bool follow(QWidget& window, const QString& key);
    // Keeps its place whenever it moves, resizes, hides or closes, from now on.
    void watch(QWidget& window, const QString& key);

    // A size alone: the model windows share one.
    std::optional<QSize> size(const QString& key) const;
    void keep_size(const QString& key, QSize size);

  private:
    QSettings& settings_;
};

}  // namespace vantor::shell
