#include "shell/splash.h"

#include <QColor>
#include <QDir>
#include <QFont>
#include <QPainter>

#include "model/file_error.h"
#include "model/file_reading.h"
#include "vantor_version.h"

namespace vantor::shell {

QPixmap splash_picture(const QString& program_dir) {
    QPixmap picture;
    try {
        // Read as every support file is: a FIFO in its place must not hang the start.
        const std::string bytes =
            read_whole_file(QDir(program_dir).filePath(QStringLiteral("splash.png")).toStdString(),
                            kSupportFileLimit);
        picture.loadFromData(reinterpret_cast<const uchar*>(bytes.data()),
                             static_cast<uint>(bytes.size()), "PNG");
    } catch (const FileError&) {
        // The drawn picture below stands in.
    }
    const bool shipped = !picture.isNull();
    if (!shipped) {
        picture = QPixmap(kSplashWidth, kSplashHeight);
        picture.fill(Qt::white);
    }
    QPainter painter(&picture);
    if (!shipped) {
        QFont font = painter.font();
        font.setPointSize(28);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawRect(picture.rect().adjusted(0, 0, -1, -1));
        painter.drawText(picture.rect(), Qt::AlignCenter, QStringLiteral("Vantor"));
    }
    // The version is the build's, so the picture leaves its corner free.
    QFont small = painter.font();
    small.setPixelSize(13);
    small.setBold(false);
    painter.setFont(small);
    painter.setPen(shipped ? QColor(0x8a, 0x9b, 0xb5) : QColor(Qt::black));
    painter.drawText(kVersionCorner, Qt::AlignRight | Qt::AlignBottom, splash_version_text());
    painter.end();
    return picture;
}

QString splash_version_text() {
    return QStringLiteral("Version %1").arg(QString::fromLatin1(kVersion));
}

int splash_milliseconds() {
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("VANTOR_SPLASH_MS", &ok);
    return ok && ms >= 0 ? ms : kSplashMilliseconds;
}

}  // namespace vantor::shell
