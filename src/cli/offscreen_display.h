#pragma once

#include <memory>

// No Qt here: the commands call these.

namespace vantor {

// A Qt GUI application for as long as this lives, unless one runs already,
// always on the offscreen platform: `render` draws pictures into files and
// never needs a screen.
class OffscreenGui {
  public:
    OffscreenGui();
    ~OffscreenGui();
    OffscreenGui(const OffscreenGui&) = delete;
    OffscreenGui& operator=(const OffscreenGui&) = delete;

  private:
    struct Application;
    std::unique_ptr<Application> application_;
};

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

}  // namespace vantor
