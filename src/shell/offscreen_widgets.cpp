#include "shell/offscreen_widgets.h"

#include <QApplication>
#include <cstdlib>

#include "shell/offscreen_application.h"

namespace vantor::shell {

namespace {

bool set(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

bool needs_offscreen() {
    return !set("QT_QPA_PLATFORM") && !set("DISPLAY") && !set("WAYLAND_DISPLAY");
}

}  // namespace

struct OffscreenWidgets::Application : OffscreenApplication<QApplication> {
    Application() : OffscreenApplication(needs_offscreen()) {}
};

OffscreenWidgets::OffscreenWidgets() : application_(std::make_unique<Application>()) {}

OffscreenWidgets::~OffscreenWidgets() = default;

}  // namespace vantor::shell
