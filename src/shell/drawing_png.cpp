#include "shell/drawing_png.h"

#include <QGuiApplication>
#include <QSaveFile>
#include <cstdio>
#include <memory>

#include "model/file_error.h"
#include "shell/drawing_picture.h"

namespace vantor::shell {

namespace {

// Qt's notes about the environment (no runtime folder, and the like) are no
// concern of a command that only draws; its failures still show.
void quiet_messages(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    }
}

// Text and pictures need a GUI application; the command line has none and
// no display either.
class OffscreenGui {
  public:
    OffscreenGui() {
        if (QCoreApplication::instance() == nullptr) {
            previous_ = qInstallMessageHandler(quiet_messages);
            application_ = std::make_unique<QGuiApplication>(argc_, argv_);
        }
    }
    ~OffscreenGui() {
        if (!application_) return;
        application_.reset();
        qInstallMessageHandler(previous_);
    }
    OffscreenGui(const OffscreenGui&) = delete;
    OffscreenGui& operator=(const OffscreenGui&) = delete;

  private:
    int argc_ = 3;
    char program_[11] = "vantor-cli";
    char option_[10] = "-platform";
    char platform_[10] = "offscreen";
    char* argv_[4] = {program_, option_, platform_, nullptr};
    QtMessageHandler previous_ = nullptr;
    std::unique_ptr<QGuiApplication> application_;
};

}  // namespace

void write_drawing_png(const ModelWindow& window, const std::string& path) {
    const OffscreenGui gui;
    const QImage image = drawing_image(window);
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) {
        throw FileError(path, file.errorString().toStdString());
    }
    if (!image.save(&file, "PNG")) {
        file.cancelWriting();
        throw FileError(path, "the picture could not be written");
    }
    if (!file.commit()) throw FileError(path, file.errorString().toStdString());
}

}  // namespace vantor::shell
