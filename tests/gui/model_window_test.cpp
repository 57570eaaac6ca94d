#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTextBrowser>

#include "gui/model_window_session.h"
#include "shell/help_viewer.h"
#include "shell/qt_ports.h"

namespace vantor::test {
namespace {

using ModelWindowTest = ModelWindowSession;

// A clean model closes without a question and frees its number; a changed
// one asks, and Cancel keeps it, No lets it go. Save As retitles the window
// and the window list.
TEST_F(ModelWindowTest, TheCloseBoxAsksAndSaveAsRetitles) {
    open();
    main->core().new_Click();
    main->model_window_widget(1)->close();
    settle();
    EXPECT_EQ(main->model_window_widget(1), nullptr);
    EXPECT_FALSE(main->core().is_open(1));
    EXPECT_TRUE(ports.messages.empty());

    shell::ModelWindowWidget* second = main->model_window_widget(2);
    main->core().model_window(2)->window.saved = kFalse;
    ports.answers = {MessageAnswer::kCancel};
    second->close();
    settle();
    ASSERT_EQ(main->model_window_widget(2), second);
    EXPECT_EQ(ports.messages.size(), 1u);
    const std::string target = folder.path() + "/circuit.bgf";
    ports.files = {target};
    find_item(*second->menuBar(), "&File > Save Model &As...")->trigger();
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(target)));
    EXPECT_EQ(second->windowTitle().toStdString(), "circuit[*]");
    EXPECT_FALSE(second->isWindowModified());
    main->activate();  // the Window list is rebuilt when the main window comes back
    EXPECT_NE(find_item(*main->menuBar(), "&Window > &1 circuit"), nullptr);

    main->core().model_window(2)->window.saved = kFalse;
    ports.answers = {MessageAnswer::kNo};
    find_item(*second->menuBar(), "&File > &Close")->trigger();
    settle();
    EXPECT_EQ(main->model_window_widget(2), nullptr);
    EXPECT_EQ(find_item(*main->menuBar(), "&Window")->menu()->actions().size(), 0);
}

TEST(QtHelp, TheHelpWindowNamesAMissingManualAndFindsItsOwnPage) {
    shell::QtPorts ports;
    ports.show_help("/nowhere/bndgph.html", HelpPage::kContents);
    ASSERT_NE(ports.help_viewer(), nullptr);
    EXPECT_EQ(ports.help_viewer()->windowTitle(), "Vantor Help");
    EXPECT_TRUE(ports.help_viewer()->browser()->toPlainText().contains("/nowhere/bndgph.html"));
    ports.show_help("/nowhere/bndgph.html", HelpPage::kHowToUseHelp);
    EXPECT_TRUE(
        ports.help_viewer()->browser()->toPlainText().contains("/nowhere/help_viewer.html"));
}

}  // namespace
}  // namespace vantor::test
