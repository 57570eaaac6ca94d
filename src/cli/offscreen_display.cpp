#include "cli/offscreen_display.h"

#include <QApplication>
#include <QGuiApplication>
#include <cstdlib>

#include "cli/offscreen_application.h"

namespace vantor {

namespace {

bool set(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

bool needs_offscreen() {
    return !set("QT_QPA_PLATFORM") && !set("DISPLAY") && !set("WAYLAND_DISPLAY");
}

}  // namespace

struct OffscreenGui::Application : OffscreenApplication<QGuiApplication> {
    Application() : OffscreenApplication(true) {}
};

OffscreenGui::OffscreenGui() : application_(std::make_unique<Application>()) {}

OffscreenGui::~OffscreenGui() = default;

struct OffscreenWidgets::Application : OffscreenApplication<QApplication> {
    Application() : OffscreenApplication(needs_offscreen()) {}
};

OffscreenWidgets::OffscreenWidgets() : application_(std::make_unique<Application>()) {}

OffscreenWidgets::~OffscreenWidgets() = default;

}  // namespace vantor
