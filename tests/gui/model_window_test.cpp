#include <gtest/gtest.h>

#include <QFileInfo>
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
