#pragma once

#include <QObject>
#include <QPointer>

namespace vantor {
struct AppState;
class Ports;
}  // namespace vantor

namespace vantor::shell {

class LibraryPanelWidget;
class ModelCanvas;

// Watches the whole program's input while the library panel's entry waits
// to be placed: a left click on a model window's empty canvas drops the entry
// there (the same drop a drag to that point makes, journaled alike) and goes
// no further, nor does its release or the double click it may begin; any
// other press on a canvas, and Escape anywhere, let the entry go and then do
// what they always do.
class PanelPlacement : public QObject {
    Q_OBJECT

  public:
    PanelPlacement(LibraryPanelWidget& panel, AppState& app, Ports& ports);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool press(ModelCanvas& canvas, QEvent* event);

    LibraryPanelWidget& panel_;
    AppState& app_;
    Ports& ports_;
    // The canvas a click placed the entry on, until its next press: a
    // double click there comes in place of that press.
    QPointer<ModelCanvas> placed_on_;
    // Where the left release of that click, or of its double click, goes no further.
    QPointer<ModelCanvas> release_on_;
};

}  // namespace vantor::shell
