// vantor [MODEL]: the editor. The splash shows first, then the main window,
// which opens MODEL, if given, at its first activation.

#include <QApplication>
#include <QSplashScreen>
#include <QStringList>
#include <QTimer>

#include "model/file_saving.h"
#include "shell/main_window_widget.h"
#include "shell/splash.h"

int main(int argc, char** argv) {
    vantor::ignore_file_size_signal();
    QApplication application(argc, argv);
    // Model windows and palettes refuse to close on their own; the main
    // window ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    const QString program_dir = QCoreApplication::applicationDirPath();
    QStringList words = QCoreApplication::arguments();
    if (!words.isEmpty()) words.removeFirst();
    const QString command_line = words.join(QLatin1Char(' ')).trimmed();

    vantor::shell::MainWindowWidget main_window(program_dir.toStdString(),
                                                command_line.toStdString());

    QSplashScreen splash(vantor::shell::splash_picture(program_dir));
    splash.show();
    QTimer::singleShot(vantor::shell::splash_milliseconds(), &main_window, [&] {
        // Closed first: a start-up message (a model that cannot be read) must
        // not open behind it.
        splash.close();
        main_window.show();
    });
    return QApplication::exec();
}
