#include "shell/offscreen_widgets.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace vantor::shell {

namespace {

// Qt's notes about the environment (no runtime folder, and the like) are no
// concern of a command that only draws; its failures still show.
void quiet_messages(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    }
}

bool set(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

bool needs_offscreen() {
    return !set("QT_QPA_PLATFORM") && !set("DISPLAY") && !set("WAYLAND_DISPLAY");
}

}  // namespace

struct OffscreenWidgets::Application {
    Application()
        : argc(needs_offscreen() ? 3 : 1), previous(qInstallMessageHandler(quiet_messages)) {
        if (argc == 1) argv[1] = nullptr;
        application = std::make_unique<QApplication>(argc, argv);
    }
    ~Application() {
        application.reset();
        qInstallMessageHandler(previous);
    }
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // QApplication keeps references to both for its lifetime.
    int argc;
    char program[11] = "vantor-cli";
    char option[10] = "-platform";
    char platform[10] = "offscreen";
    char* argv[4] = {program, option, platform, nullptr};
    QtMessageHandler previous;
    std::unique_ptr<QApplication> application;
};

OffscreenWidgets::OffscreenWidgets() {
    if (QCoreApplication::instance() == nullptr) application_ = std::make_unique<Application>();
}

OffscreenWidgets::~OffscreenWidgets() = default;

}  // namespace vantor::shell
