#pragma once

#include <QCoreApplication>
#include <cstdio>
#include <memory>

namespace vantor {

// Qt's notes about the environment (no runtime folder, and the like) are no
// concern of a command that only draws; its failures still show.
inline void quiet_messages(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    }
}

// A Qt application (`App`: QGuiApplication for pictures, QApplication for
// charts) for as long as this lives, unless one runs already; on the
// offscreen platform when `offscreen`, so that a command can draw into files
// on a machine with no screen.
template <class App>
class OffscreenApplication {
  public:
    explicit OffscreenApplication(bool offscreen) : argc_(offscreen ? 3 : 1) {
        if (QCoreApplication::instance() != nullptr) return;
        if (!offscreen) argv_[1] = nullptr;
        previous_ = qInstallMessageHandler(quiet_messages);
        application_ = std::make_unique<App>(argc_, argv_);
    }
    ~OffscreenApplication() {
        if (!application_) return;
        application_.reset();
        qInstallMessageHandler(previous_);
    }
    OffscreenApplication(const OffscreenApplication&) = delete;
    OffscreenApplication& operator=(const OffscreenApplication&) = delete;

  private:
    // The application keeps references to both for its lifetime.
    int argc_;
    char program_[11] = "vantor-cli";
    char option_[10] = "-platform";
    char platform_[10] = "offscreen";
    char* argv_[4] = {program_, option_, platform_, nullptr};
    QtMessageHandler previous_ = nullptr;
    std::unique_ptr<App> application_;
};

}  // namespace vantor
