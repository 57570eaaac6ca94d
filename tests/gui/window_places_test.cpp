#include <gtest/gtest.h>
#include <unistd.h>

#include <QDialog>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
#include <QtTest/QTest>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/recovery_keeper.h"
#include "gui/model_window_session.h"
#include "model/model_reader.h"
#include "model/model_writer.h"
#include "shell/model_recovery.h"
#include "shell/recovery_dialog.h"
#include "shell/window_places.h"

namespace vantor::test {
namespace {

TEST(FitOnScreen, ShrinksAndMovesOnlyAsFarAsItMust) {
    const QRect screen(0, 0, 1000, 700);
    const struct {
        QRect frame, fitted;
    } cases[] = {
        {{100, 100, 400, 300}, {100, 100, 400, 300}},    // inside: untouched
        {{-50, 20, 400, 300}, {0, 20, 400, 300}},        // off the left
        {{900, 600, 400, 300}, {600, 400, 400, 300}},    // off the bottom right
        {{100, 100, 1600, 900}, {0, 0, 1000, 700}},      // larger than the screen
        {{3000, 2000, 400, 300}, {600, 400, 400, 300}},  // on a screen gone since
    };
    for (const auto& c : cases) EXPECT_EQ(shell::fit_on_screen(c.frame, screen), c.fitted);
    // On a second screen to the right, the place is kept on that screen.
    EXPECT_EQ(shell::fit_on_screen({900, 50, 400, 300}, {1000, 0, 800, 600}),
              QRect(1000, 50, 400, 300));
    EXPECT_EQ(shell::comfortable_size(QRect(0, 0, 1200, 900)), QSize(800, 600));
}

// A main window whose windows are remembered in a settings file of the test's.
struct RememberedWindows : ModelWindowSession {
    ~RememberedWindows() override {
        // The windows keep their places as they go: before the settings do.
        main.reset();
    }
    void open_remembering() {
        program = folder.path();
        main = std::make_unique<shell::MainWindowWidget>(program, "", &ports, &recorder);
        main->remember_windows(places);
        main->activate();
        main->core().new_Click();
        window = main->model_window_widget(1);
        ASSERT_NE(window, nullptr);
        settle();
        canvas = window->canvas();
    }
    QRect room() const { return QGuiApplication::primaryScreen()->availableGeometry(); }

    QString settings_file = dir.filePath("windows.ini");
    QSettings settings{settings_file, QSettings::IniFormat};
    shell::WindowPlaces places{settings};
};

TEST_F(RememberedWindows, TheFirstModelWindowOpensAtTwoThirdsAndJournalsItsRealSize) {
    open_remembering();
    EXPECT_EQ(window->size(), shell::comfortable_size(room()).boundedTo(room().size()));
    // The window's state follows the canvas it really got, and the journal's
    // resize line says so: a replay gives the same window.
    const QSizeF outer = shell::ModelCanvas::outer_twips(canvas->size(), 1.0);
    EXPECT_EQ(state().viewport.width, static_cast<float>(outer.width()));
    EXPECT_EQ(state().viewport.height, static_cast<float>(outer.height()));
    EXPECT_NE(journal_text().find("resize "), std::string::npos);
    drop("bondgraph", 1, QPoint(100, 80));
    expect_journal_replays();
}

TEST_F(RememberedWindows, SizesAndPlacesComeBackFromTheSettingsFile) {
    open_remembering();
    window->resize(500, 300);
    settle();
    main->show();
    main->setGeometry(40, 30, 600, 220);
    window->close();  // a clean model: no question
    settle();
    ASSERT_EQ(main->model_window_widget(1), nullptr);
    main->core().new_Click();
    settle();
    EXPECT_EQ(main->model_window_widget(1)->size(), QSize(500, 300));
    // As Exit hides it (closing it here would end the tests' event loops).
    main->hide();
    main.reset();
    settings.sync();

    // The next run reads the same file.
    QSettings again(settings_file, QSettings::IniFormat);
    shell::WindowPlaces next(again);
    QWidget main_window;
    ASSERT_TRUE(next.restore(main_window, QStringLiteral("main")));
    EXPECT_EQ(main_window.geometry(), QRect(40, 30, 600, 220));
    EXPECT_EQ(next.size(QStringLiteral("model")), QSize(500, 300));
    QWidget unknown;
    EXPECT_FALSE(next.restore(unknown, QStringLiteral("palette/none")));

    // A window destroyed with its owner, never hidden, leaves its last place.
    auto* charts = new QWidget(nullptr, Qt::Window);
    next.follow(*charts, QStringLiteral("simulation"));
    charts->show();
    charts->setGeometry(50, 60, 300, 200);
    delete charts;
    EXPECT_EQ(again.value(QStringLiteral("simulation/geometry")).toRect(), QRect(50, 60, 300, 200));
}

TEST_F(RememberedWindows, AKeptPlaceLargerThanTheScreenIsFittedToIt) {
    settings.setValue(QStringLiteral("main/geometry"), QRect(-400, 5000, 9000, 7000));
    settings.setValue(QStringLiteral("model/size"), QSize(9000, 7000));
    open_remembering();
    EXPECT_TRUE(room().contains(main->geometry())) << main->geometry().x();
    EXPECT_EQ(main->size(), room().size());
    EXPECT_EQ(window->size(), room().size());
}

TEST_F(RememberedWindows, PalettesAreKeptByLibrary) {
    open_remembering();
    palette("bondgraph");
    const auto& labels = main->core().labels;
    int i = 1;
    while (i <= static_cast<int>(labels.size()) && labels[i - 1].caption != "bondgraph") ++i;
    shell::PaletteWidget* shown = main->palette_widget(i);
    ASSERT_NE(shown, nullptr);
    shown->setGeometry(70, 80, 330, 170);
    shown->hide();
    EXPECT_EQ(settings.value(QStringLiteral("palette/bondgraph/geometry")).toRect(),
              QRect(70, 80, 330, 170));
    // Reopened, it comes back there rather than at the labels' fixed place.
    main->core().Label1_DblClick(i);
    EXPECT_EQ(shown->geometry(), QRect(70, 80, 330, 170));
}

// The recovery copies of the session's windows, in a folder of the test's.
struct RecoveredWindows : ModelWindowSession {
    ~RecoveredWindows() override { main.reset(); }
    void open_recovering() {
        program = folder.path();
        main = std::make_unique<shell::MainWindowWidget>(program, "", &ports, &recorder);
        recovery = std::make_unique<shell::ModelRecovery>(keeper, main->core());
        main->keep_recovery_copies(*recovery);
        main->activate();
        main->core().new_Click();
        window = main->model_window_widget(1);
        settle();
        canvas = window->canvas();
    }
    std::string copies = dir.filePath("data/recovery").toStdString();
    RecoveryKeeper keeper{RecoveryFolder(copies, ::getpid())};
    std::unique_ptr<shell::ModelRecovery> recovery;
};

TEST_F(RecoveredWindows, TheTimerWritesTheCopyAndACleanCloseRemovesIt) {
    ::setenv(kRecoverySecondsVariable, "1", 1);
    open_recovering();
    ::unsetenv(kRecoverySecondsVariable);
    EXPECT_EQ(recovery->interval_milliseconds(), 1000);
    const std::string copy = keeper.folder().model_file(1).string();
    drop("bondgraph", "000", QPoint(100, 80));
    ASSERT_EQ(state().saved, kFalse);
    QTRY_VERIFY_WITH_TIMEOUT(std::filesystem::exists(copy), 5000);
    EXPECT_EQ(format_model(read_model_file(copy)), format_model(state().model));

    ports.answers = {MessageAnswer::kNo};  // discard the changes
    window->close();
    settle();
    EXPECT_EQ(main->model_window_widget(1), nullptr);
    EXPECT_FALSE(std::filesystem::exists(copy));
    EXPECT_TRUE(std::filesystem::is_empty(copies));
}

TEST_F(RecoveredWindows, ACopyThatCannotBeWrittenIsSaidInTheStatusBar) {
    std::filesystem::create_directories(std::filesystem::path(copies).parent_path());
    std::ofstream(copies) << "a file where the folder should be";
    open_recovering();
    drop("bondgraph", "000", QPoint(100, 80));
    recovery->tick();
    EXPECT_TRUE(window->statusBar()->currentMessage().startsWith(
        QStringLiteral("The recovery copy could not be written: ")))
        << window->statusBar()->currentMessage().toStdString();
}

TEST_F(RecoveredWindows, TheDialogOpensAndDiscardsAsItsButtonsSay) {
    Model model;
    model.nobj = 1;
    model.objs[1].type = "000";
    model.objs[1].caption = "0";
    const RecoveryFolder gone(copies, 5000001);
    gone.write(1, model, {"first", "/m/first.bgf", true});
    gone.write(2, model, {"MODEL2", "/m/MODEL2.BGF", false});
    open_recovering();

    std::vector<RecoveryChoice> choices;
    QString title;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        auto* table = dialog->findChild<QTableWidget*>();
        qobject_cast<QPushButton*>(table->cellWidget(0, 3))->click();  // Open
        qobject_cast<QPushButton*>(table->cellWidget(1, 4))->click();  // Discard
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    shell::QtRecoveryDialog dialog(main.get());
    choices = dialog.choose(keeper.folder().left_behind());
    EXPECT_EQ(title, "Recover Models");
    EXPECT_EQ(choices, (std::vector{RecoveryChoice::kOpen, RecoveryChoice::kDiscard}));
}

}  // namespace
}  // namespace vantor::test
