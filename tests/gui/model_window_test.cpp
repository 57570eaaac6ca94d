#include <gtest/gtest.h>

#include <QFileInfo>
#include <QStatusBar>
#include <QTextBrowser>

#include "gui/model_window_session.h"
#include "shell/help_viewer.h"
#include "shell/qt_ports.h"

namespace vantor::test {
namespace {

using ModelWindowTest = ModelWindowSession;

TEST_F(ModelWindowTest, ADropOnTheCanvasAddsTheDraggedEntryCentredThere) {
    open();
    drop("bondgraph", 1, QPoint(100, 80));
    ASSERT_EQ(state().model.nobj, 1);
    const Glyph& glyph = state().image1[1];
    // Pixels are 15 twips; the glyph's centre lands on the drop point.
    EXPECT_NEAR(glyph.left + glyph.width / 2, 1500, 1);
    EXPECT_NEAR(glyph.top + glyph.height / 2, 1200, 1);
    // The new element is selected, which the Edit menu shows at once.
    EXPECT_TRUE(item("&Edit > &Cut")->isEnabled());
    EXPECT_TRUE(item("&Edit > &Delete")->isEnabled());
    EXPECT_TRUE(ports.messages.empty());
}

TEST_F(ModelWindowTest, TheCloseBoxGoesThroughTheClosingQuestion) {
    open();
    main->core().new_Click();

    // A clean model closes without a question and frees its number.
    main->model_window_widget(1)->close();
    settle();
    EXPECT_EQ(main->model_window_widget(1), nullptr);
    EXPECT_FALSE(main->core().is_open(1));
    EXPECT_TRUE(ports.messages.empty());

    // A changed one asks; Cancel keeps it, No lets it go.
    main->core().model_window(2)->window.saved = kFalse;
    ports.answers = {MessageAnswer::kCancel};
    main->model_window_widget(2)->close();
    settle();
    ASSERT_NE(main->model_window_widget(2), nullptr);
    EXPECT_TRUE(main->core().is_open(2));
    EXPECT_EQ(ports.messages.size(), 1u);

    ports.answers = {MessageAnswer::kNo};
    find_item(*main->model_window_widget(2)->menuBar(), "&File > &Close")->trigger();
    settle();
    EXPECT_EQ(main->model_window_widget(2), nullptr);
    EXPECT_EQ(find_item(*main->menuBar(), "&Window")->menu()->actions().size(), 0);
}

TEST_F(ModelWindowTest, SaveAsRetitlesTheWindowAndTheWindowList) {
    open();
    const std::string target = folder.path() + "/circuit.bgf";
    ports.files = {target};
    item("&File > Save Model &As...")->trigger();

    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(target)));
    EXPECT_EQ(window->windowTitle().toStdString(), "circuit[*]");
    EXPECT_FALSE(window->isWindowModified());
    main->activate();  // the Window list is rebuilt when the main window comes back
    EXPECT_NE(find_item(*main->menuBar(), "&Window > &1 circuit"), nullptr);
}

// F7, F9, Ctrl+Z and Generate (cancelled, then with a file) are journaled
// and replay, with no window and no file, to what the window shows.
TEST_F(ModelWindowTest, RunCommandsAreJournaledAndReplayToTheSameWindow) {
    const std::string model = example("algebraic_loop.bgf");
    open(VANTOR_DATA_DIR, model);
    QAction* undo = item("&Edit > &Undo");
    item("&Run > &Assign && Check Causality")->trigger();
    // A second window's lines come between the first one's.
    main->core().new_Click();
    settle();
    shell::ModelWindowWidget* second = main->model_window_widget(2);
    ASSERT_NE(second, nullptr);
    canvas = second->canvas();
    drop("bondgraph", "C__", {100, 80});
    canvas = window->canvas();
    item("&Run > &Simulate")->trigger();
    settle();
    ASSERT_FALSE(ports.messages.empty());
    EXPECT_NE(ports.messages.back().find("algebraic loop"), std::string::npos);
    EXPECT_EQ(state().model.objs[3].selected, kTrue);  // a resistor of the loop
    EXPECT_EQ(undo->text(), "&Undo Simulate");
    undo->trigger();
    ports.files = {std::nullopt, dir.filePath("loop.m").toStdString()};
    item("&Run > &Generate Simulink File")->trigger();
    item("&Run > &Generate Simulink File")->trigger();
    settle();
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("loop.m")));
    // Reading the written file back, which a replay does not, finds the loop.
    ASSERT_EQ(ports.messages.back().rfind("The Simulink file ", 0), 0u) << ports.messages.back();
    ports.messages.pop_back();
    const std::string text = journal_text();
    EXPECT_NE(text.find("# window 1: algebraic_loop\nmenu assign\n# window 2: "), std::string::npos)
        << text;
    EXPECT_NE(text.find("# window 1: algebraic_loop\nmenu simulate\nmenu editundo\n"
                        "menu generate_cancelled\nmenu generate\n"),
              std::string::npos)
        << text;
    expect_journal_replays(model, 1);

    // The second window alone, on a new model.
    ModelWindow replayed;
    init_model_window(replayed, 2);
    AppState app;
    app.program_dir = program;
    ReplayMessages host;
    replay_journal(replayed, app, host, read_journal_file(journal, 2));
    EXPECT_EQ(format_state_file(replayed, app),
              format_state_file(main->core().model_window(2)->window, main->app()));
}

// A run that changes no record leaves the model as saved as it was, with no
// step to undo; a model without elements is not run at all.
TEST_F(ModelWindowTest, SimulateChangesNothingItNeedNotAndRefusesAnEmptyModel) {
    open(VANTOR_DATA_DIR, example("series_rlc.bgf"));
    QAction* undo = item("&Edit > &Undo");
    item("&Run > &Assign && Check Causality")->trigger();
    item("&Run > &Simulate")->trigger();
    settle();
    ASSERT_TRUE(window->isWindowModified());  // the first run writes the sign lists
    ports.files = {dir.filePath("rlc.bgf").toStdString()};
    item("&File > Save Model &As...")->trigger();
    settle();
    ASSERT_FALSE(window->isWindowModified());
    const QString step = undo->text();
    item("&Run > &Simulate")->trigger();
    settle();
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_EQ(undo->text(), step);

    main->core().new_Click();
    shell::ModelWindowWidget* empty = main->model_window_widget(2);
    ASSERT_NE(empty, nullptr);
    ports.messages.clear();
    find_item(*empty->menuBar(), "&Run > &Simulate")->trigger();
    settle();
    EXPECT_EQ(ports.messages, std::vector<std::string>{"The model has no elements"});
    EXPECT_EQ(empty->simulation_window(), nullptr);
    EXPECT_FALSE(empty->isWindowModified());
}

// After Assign & Check's derivative-causality warning the elements in it are
// selected and the status bar names them.
TEST_F(ModelWindowTest, DerivativeCausalityIsNamedInTheStatusBar) {
    open(VANTOR_DATA_DIR, example("two_capacitors.bgf"));
    item("&Run > &Assign && Check Causality")->trigger();
    settle();
    EXPECT_EQ(ports.messages,
              std::vector<std::string>{"There is at least an element with derivative causality"});
    EXPECT_EQ(window->statusBar()->currentMessage(),
              QStringLiteral("In derivative causality: 6 (C2)"));
    for (int i = 1; i <= state().model.nobj; ++i) {
        EXPECT_EQ(state().model.objs[i].selected, i == 6 ? kTrue : kFalse) << i;
    }
}

TEST(QtHelp, TheHelpWindowNamesAMissingManualAndFindsItsOwnPage) {
    shell::QtPorts ports;
    const std::string manual = "/nowhere/bndgph.html";

    ports.show_help(manual, HelpPage::kContents);
    ASSERT_NE(ports.help_viewer(), nullptr);
    EXPECT_EQ(ports.help_viewer()->windowTitle(), "Vantor Help");
    EXPECT_TRUE(ports.help_viewer()->browser()->toPlainText().contains("/nowhere/bndgph.html"));

    ports.show_help(manual, HelpPage::kHowToUseHelp);
    EXPECT_TRUE(
        ports.help_viewer()->browser()->toPlainText().contains("/nowhere/help_viewer.html"));
}

}  // namespace
}  // namespace vantor::test
