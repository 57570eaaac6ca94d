#pragma once

#include <functional>

#include "editor/element_dblclick.h"
#include "editor/events.h"

class QWidget;

namespace vantor::shell {

// Shows the parameter dialog's state as a modal QDialog, placed as its
// controls' twips say, and runs the core's handlers for its buttons. Each
// button press is handed to `journal` as the dialog lines a replay takes:
// the boxes whose text changed, then the button.
class QtParameterDialogPort : public ParameterDialogPort {
  public:
    QtParameterDialogPort(QWidget* parent, std::function<void(const EditorEvent&)> journal)
        : parent_(parent), journal_(std::move(journal)) {}

    void show_modal(ParameterDialog& dialog, AppState& app) override;

  private:
    QWidget* parent_;
    std::function<void(const EditorEvent&)> journal_;
};

}  // namespace vantor::shell
