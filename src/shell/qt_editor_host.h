#pragma once

#include <functional>
#include <string>

#include "app/message_kinds.h"
#include "app/ports.h"
#include "editor/editor_host.h"

namespace vantor::shell {

// What a model window's handlers ask of the Qt window: message boxes through
// the program's ports, and the focus, which `focus` gives once the handler
// is over (activating a window inside a handler would run the focus events
// of other windows in the middle of it).
class QtEditorHost : public EditorHost {
  public:
    QtEditorHost(Ports& ports, std::function<void()> focus)
        : ports_(ports), focus_(std::move(focus)) {}

    void show_message(const std::string& text) override {
        tell(ports_, text, kind_of_message(text));
    }
    void request_focus() override { focus_requested_ = true; }

    // Gives the focus when a handler asked for it since the last call.
    void give_requested_focus() {
        if (!focus_requested_) return;
        focus_requested_ = false;
        if (focus_) focus_();
    }

  private:
    Ports& ports_;
    std::function<void()> focus_;
    bool focus_requested_ = false;
};

}  // namespace vantor::shell
