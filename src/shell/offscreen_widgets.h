#pragma once

#include <memory>

// No Qt here: the command line calls this.

namespace vantor::shell {

// A Qt Widgets application for as long as this lives, unless one runs
// already. Without a display (no DISPLAY or WAYLAND_DISPLAY, and no
// QT_QPA_PLATFORM chosen) it runs on the offscreen platform, so charts can be
// drawn into files on a machine with no screen.
class OffscreenWidgets {
  public:
    OffscreenWidgets();
    ~OffscreenWidgets();
    OffscreenWidgets(const OffscreenWidgets&) = delete;
    OffscreenWidgets& operator=(const OffscreenWidgets&) = delete;

  private:
    struct Application;
    std::unique_ptr<Application> application_;
};

}  // namespace vantor::shell
