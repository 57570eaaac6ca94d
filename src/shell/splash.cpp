#include "shell/splash.h"

#include <QDir>
#include <QFont>
#include <QPainter>

namespace vantor::shell {

QPixmap splash_picture(const QString& program_dir) {
    QPixmap picture(QDir(program_dir).filePath(QStringLiteral("splash.png")));
    if (!picture.isNull()) return picture;

    picture = QPixmap(kSplashWidth, kSplashHeight);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    QFont font = painter.font();
    font.setPointSize(28);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawRect(picture.rect().adjusted(0, 0, -1, -1));
    painter.drawText(picture.rect(), Qt::AlignCenter, QStringLiteral("Vantor"));
    return picture;
}

int splash_milliseconds() {
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("VANTOR_SPLASH_MS", &ok);
    return ok && ms >= 0 ? ms : kSplashMilliseconds;
}

}  // namespace vantor::shell
