#pragma once

#include <string>

namespace vantor {

// What a model window's handlers ask of whoever shows the window: the shell
// in the editor, the replay in `vantor-cli edit`, a fake in tests. The
// handlers themselves never touch the platform.
class EditorHost {
  public:
    virtual ~EditorHost() = default;

    // An OK-only message box.
    virtual void show_message(const std::string& text) = 0;

    // The model window asks for the keyboard focus, and so becomes the active
    // window.
    virtual void request_focus() {}
};

}  // namespace vantor
