// Where windows open and what a session leaves behind for the next: places
// kept in a settings file, and recovery copies in a folder, both the test's own.
#include <unistd.h>

#include <cstdlib>

#include "app/recovery_keeper.h"
#include "gui/model_window_session.h"
#include "model/model_writer.h"
#include "shell/model_recovery.h"
#include "shell/recovery_dialog.h"
#include "shell/window_places.h"

namespace vantor::test {
namespace {

TEST(FitOnScreen, ShrinksAndMovesOnlyAsFarAsItMust) {
    const QRect screen(0, 0, 1000, 700), right(1000, 0, 800, 600);
    const std::tuple<QRect, QRect, QRect> cases[] = {
        {{100, 100, 400, 300}, screen, {100, 100, 400, 300}},    // inside: untouched
        {{-50, 20, 400, 300}, screen, {0, 20, 400, 300}},        // off the left
        {{900, 600, 400, 300}, screen, {600, 400, 400, 300}},    // off the bottom right
        {{100, 100, 1600, 900}, screen, {0, 0, 1000, 700}},      // larger than the screen
        {{3000, 2000, 400, 300}, screen, {600, 400, 400, 300}},  // on a screen gone since
        {{900, 50, 400, 300}, right, {1000, 50, 400, 300}},      // kept on a second screen
    };
    for (const auto& [frame, on, fitted] : cases)
        EXPECT_EQ(shell::fit_on_screen(frame, on), fitted);
    EXPECT_EQ(shell::comfortable_size(QRect(0, 0, 1200, 900)), QSize(800, 600));
}

// A main window whose places and recovery copies are the test's own.
struct Windows : ModelWindowSession {
    ~Windows() override { main.reset(); }  // the windows keep their places before the settings go
    void before_activate() override {
        main->remember_windows(places);
        recovery = std::make_unique<shell::ModelRecovery>(keeper, main->core());
        main->keep_recovery_copies(*recovery);
    }
    QRect room() const { return QGuiApplication::primaryScreen()->availableGeometry(); }

    QString settings_file = dir.filePath("windows.ini");
    QSettings settings{settings_file, QSettings::IniFormat};
    shell::WindowPlaces places{settings};
    std::string copies = dir.filePath("data/recovery").toStdString();
    RecoveryKeeper keeper{RecoveryFolder(copies, ::getpid())};
    std::unique_ptr<shell::ModelRecovery> recovery;
};

TEST_F(Windows, SizesAndPlacesComeBackFromTheSettingsFile) {
    open();
    // The first model window opens at two thirds of the screen.
    EXPECT_EQ(window->size(), shell::comfortable_size(room()).boundedTo(room().size()));
    drop("bondgraph", 1, QPoint(100, 80));

    window->resize(500, 300);
    settle();
    main->show();
    main->setGeometry(40, 30, 600, 220);
    // A changed model asks before it closes: Cancel keeps it, No lets it go.
    ports.answers = {MessageAnswer::kCancel, MessageAnswer::kNo};
    window->close();
    settle();
    ASSERT_EQ(main->model_window_widget(1), window);
    item("&File > &Close")->trigger();
    settle();
    ASSERT_EQ(main->model_window_widget(1), nullptr);
    EXPECT_TRUE(find_item(*main->menuBar(), "&Window")->menu()->actions().isEmpty());
    main->core().new_Click();
    settle();
    EXPECT_EQ(main->model_window_widget(1)->size(), QSize(500, 300));

    // Palettes are kept by library, and reopened come back there.
    palette("bondgraph");
    const int i = library("bondgraph");
    shell::PaletteWidget* shown = main->palette_widget(i);
    shown->setGeometry(70, 80, 330, 170);
    shown->hide();
    EXPECT_EQ(settings.value("palette/bondgraph/geometry").toRect(), QRect(70, 80, 330, 170));
    main->core().Label1_DblClick(i);
    EXPECT_EQ(shown->geometry(), QRect(70, 80, 330, 170));
    // As Exit hides it (closing it here would end the tests' event loops).
    main->hide();
    main.reset();
    settings.sync();

    // The next run reads the same file.
    QSettings again(settings_file, QSettings::IniFormat);
    shell::WindowPlaces next(again);
    QWidget main_window, unknown;
    EXPECT_TRUE(next.restore(main_window, "main"));
    EXPECT_EQ(main_window.geometry(), QRect(40, 30, 600, 220));
    EXPECT_FALSE(next.restore(unknown, "palette/none"));
    // A window destroyed with its owner, never hidden, leaves its last place.
    auto* charts = new QWidget(nullptr, Qt::Window);
    next.follow(*charts, "simulation");
    charts->show();
    charts->setGeometry(50, 60, 300, 200);
    delete charts;
    EXPECT_EQ(again.value("simulation/geometry").toRect(), QRect(50, 60, 300, 200));
}

// A kept place larger than the screen is fitted to it. The recovery dialog
// opens and discards as its buttons say; the timer writes the copy and a
// clean close removes it; a copy that cannot be written is said in the status bar.
TEST_F(Windows, FittedPlacesAndRecoveryCopies) {
    settings.setValue("main/geometry", QRect(-400, 5000, 9000, 7000));
    settings.setValue("model/size", QSize(9000, 7000));
    const RecoveryFolder gone(copies, 5000001);
    const Model model = read_model_file(example("series_rlc.bgf"));
    gone.write(1, model, {"first", "/m/first.bgf", true});
    gone.write(2, model, {"MODEL2", "/m/MODEL2.BGF", false});
    ::setenv(kRecoverySecondsVariable, "1", 1);
    open();
    ::unsetenv(kRecoverySecondsVariable);
    EXPECT_EQ(main->geometry(), room());
    EXPECT_EQ(window->size(), room().size());
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* table = dialog->findChild<QTableWidget*>();
        qobject_cast<QPushButton*>(table->cellWidget(0, 3))->click();  // Open
        qobject_cast<QPushButton*>(table->cellWidget(1, 4))->click();  // Discard
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    shell::QtRecoveryDialog dialog(main.get());
    EXPECT_EQ(dialog.choose(keeper.folder().left_behind()),
              (std::vector{RecoveryChoice::kOpen, RecoveryChoice::kDiscard}));

    const std::string copy = keeper.folder().model_file(1).string();
    drop("bondgraph", "000", QPoint(100, 80));
    ASSERT_EQ(state().saved, kFalse);
    QTRY_VERIFY_WITH_TIMEOUT(std::filesystem::exists(copy), 5000);
    EXPECT_EQ(format_model(read_model_file(copy)), format_model(state().model));
    ports.answers = {MessageAnswer::kNo};  // discard the changes
    window->close();
    settle();
    EXPECT_FALSE(std::filesystem::exists(copy));

    std::filesystem::remove_all(copies);
    std::ofstream(copies) << "a file where the folder should be";
    main->core().new_Click();
    window = main->model_window_widget(1);
    canvas = window->canvas();
    drop("bondgraph", "000", QPoint(100, 80));
    recovery->tick();
    EXPECT_TRUE(window->statusBar()->currentMessage().startsWith(
        "The recovery copy could not be written: "))
        << window->statusBar()->currentMessage().toStdString();
}

}  // namespace
}  // namespace vantor::test
