// vantor [--journal FILE] [MODEL...]: the editor. The splash shows first, then
// the main window, which opens each MODEL, if given, at its first activation.
// With --journal, every model window appends the events it runs to FILE.

#include <unistd.h>

#include <QApplication>
#include <QSettings>
#include <QSplashScreen>
#include <QStandardPaths>
#include <QStringList>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/recovery_keeper.h"
#include "model/file_error.h"
#include "model/file_saving.h"
#include "shell/command_line.h"
#include "shell/journal_recorder.h"
#include "shell/main_window_widget.h"
#include "shell/model_recovery.h"
#include "shell/recovery_dialog.h"
#include "shell/splash.h"
#include "shell/window_places.h"
#include "vantor_version.h"

namespace {

constexpr const char* kUsage =
    "usage: vantor [--journal FILE] [MODEL]\n"
    "       vantor --version\n"
    "\n"
    "Opens the bond-graph editor, and MODEL (a .bgf file) in a model window.\n"
    "\n"
    "options:\n"
    "  --journal FILE   append every event the model windows run to FILE\n"
    "  -h, --help       show this text\n"
    "  --version        show the version and the licence\n";

}  // namespace

int main(int argc, char** argv) {
    // Answered before Qt starts, so that they work without a display.
    for (int i = 1; i < argc; ++i) {
        const std::string_view word = argv[i];
        if (word == "--version") {
            std::printf("vantor %s\n%s", vantor::kVersion, vantor::kLicenceNotice);
            return 0;
        }
        if (word == "-h" || word == "--help") {
            std::fputs(kUsage, stdout);
            return 0;
        }
    }
    vantor::ignore_file_size_signal();
    QApplication application(argc, argv);
    // The user's settings (Open Recent, window places) and data folders are
    // named after the program.
    QCoreApplication::setOrganizationName(QStringLiteral("vantor"));
    QCoreApplication::setApplicationName(QStringLiteral("vantor"));
    // Model windows and palettes refuse to close on their own; the main
    // window ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    // Where QSettings keeps the user's choices: ~/.config/Vantor/vantor.conf.
    QCoreApplication::setOrganizationName(QStringLiteral("Vantor"));
    QCoreApplication::setApplicationName(QStringLiteral("vantor"));

    const QString program_dir = QCoreApplication::applicationDirPath();
    QStringList words = QCoreApplication::arguments();
    if (!words.isEmpty()) words.removeFirst();
    const std::optional<vantor::shell::EditorOptions> options =
        vantor::shell::read_editor_options(words);
    if (!options) {
        std::fputs(kUsage, stderr);
        return 2;
    }

    std::unique_ptr<vantor::shell::JournalRecorder> journal;
    if (!options->journal.isEmpty()) {
        try {
            journal =
                std::make_unique<vantor::shell::JournalRecorder>(options->journal.toStdString());
        } catch (const vantor::FileError& e) {
            std::fprintf(stderr, "vantor: %s\n", e.what());
            return 2;
        }
    }

    // Where the windows were, kept between runs; made before the windows,
    // which keep their places in it until they are gone.
    QSettings settings(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
                           QStringLiteral("/windows.ini"),
                       QSettings::IniFormat);
    vantor::shell::WindowPlaces places(settings);
    // The recovery copies of models with unsaved changes, in the user's data.
    std::unique_ptr<vantor::RecoveryKeeper> keeper;
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!data.isEmpty()) {
        keeper = std::make_unique<vantor::RecoveryKeeper>(vantor::RecoveryFolder(
            (data + QStringLiteral("/recovery")).toStdString(), static_cast<long>(::getpid())));
    }

    vantor::shell::MainWindowWidget main_window(
        program_dir.toStdString(), options->command_line.toStdString(), nullptr, journal.get());
    std::vector<std::string> more_models;
    for (const QString& path : options->more_models) more_models.push_back(path.toStdString());
    main_window.core().open_at_start(std::move(more_models));

    main_window.remember_windows(places);
    std::unique_ptr<vantor::shell::ModelRecovery> recovery;
    if (keeper != nullptr) {
        recovery = std::make_unique<vantor::shell::ModelRecovery>(*keeper, main_window.core());
        main_window.keep_recovery_copies(*recovery);
    }

    QSplashScreen splash(vantor::shell::splash_picture(program_dir));
    splash.show();
    QTimer::singleShot(vantor::shell::splash_milliseconds(), &main_window, [&] {
        // Closed first: a start-up message (a model that cannot be read) must
        // not open behind it.
        splash.close();
        main_window.show();
        if (recovery != nullptr) {
            vantor::shell::QtRecoveryDialog dialog(&main_window);
            recovery->offer(dialog);
        }
    });
    return QApplication::exec();
}
