#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTextBrowser>

#include "app/app_fakes.h"
#include "gui/menu_walk.h"
#include "gui/program_folder.h"
#include "shell/element_drag.h"
#include "shell/help_viewer.h"
#include "shell/main_window_widget.h"
#include "shell/model_canvas.h"
#include "shell/model_window_widget.h"
#include "shell/palette_widget.h"
#include "shell/qt_ports.h"

namespace vantor::test {
namespace {

using shell::MainWindowWidget;

// Qt hands a drop only to the widget that took the drag's entry.
void drop_on(QWidget& target, QPoint at) {
    QMimeData data;
    data.setData(shell::kElementMimeType, shell::element_drag_bytes({"bondgraph", 1}));
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &enter);
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &drop);
}

TEST(ModelWindow, ADropOnTheCanvasAddsTheDraggedEntryCentredThere) {
    ProgramFolder folder;
    FakePorts ports;
    MainWindowWidget main(folder.path(), "", &ports);
    main.activate();
    main.core().new_Click();
    main.core().Label1_DblClick(1);
    shell::PaletteWidget* palette = main.palette_widget(1);
    ASSERT_NE(palette, nullptr);
    palette->reread();
    main.core().palette(1)->image1_DragOver(main.app(), 1);

    shell::ModelWindowWidget* window = main.model_window_widget(1);
    drop_on(*window->canvas(), QPoint(100, 80));

    const ModelDocument& doc = *main.core().model_window(1);
    ASSERT_EQ(doc.window.model.nobj, 1);
    const Glyph& glyph = doc.window.image1[1];
    // Pixels are 15 twips; the glyph's centre lands on the drop point.
    EXPECT_NEAR(glyph.left + glyph.width / 2, 1500, 1);
    EXPECT_NEAR(glyph.top + glyph.height / 2, 1200, 1);
    // The new element is selected, which the Edit menu shows at once.
    EXPECT_TRUE(find_item(*window->menuBar(), "&Edit > &Cut")->isEnabled());
    EXPECT_TRUE(find_item(*window->menuBar(), "&Edit > &Delete")->isEnabled());
    EXPECT_TRUE(ports.messages.empty());
}

TEST(ModelWindow, TheCloseBoxGoesThroughTheClosingQuestion) {
    ProgramFolder folder;
    FakePorts ports;
    MainWindowWidget main(folder.path(), "", &ports);
    main.activate();
    main.core().new_Click();
    main.core().new_Click();

    // A clean model closes without a question and frees its number.
    main.model_window_widget(1)->close();
    settle();
    EXPECT_EQ(main.model_window_widget(1), nullptr);
    EXPECT_FALSE(main.core().is_open(1));
    EXPECT_TRUE(ports.messages.empty());

    // A changed one asks; Cancel keeps it, No lets it go.
    main.core().model_window(2)->window.saved = kFalse;
    ports.answers = {MessageAnswer::kCancel};
    main.model_window_widget(2)->close();
    settle();
    ASSERT_NE(main.model_window_widget(2), nullptr);
    EXPECT_TRUE(main.core().is_open(2));
    EXPECT_EQ(ports.messages.size(), 1u);

    ports.answers = {MessageAnswer::kNo};
    find_item(*main.model_window_widget(2)->menuBar(), "&File > &Close")->trigger();
    settle();
    EXPECT_EQ(main.model_window_widget(2), nullptr);
    EXPECT_EQ(find_item(*main.menuBar(), "&Window")->menu()->actions().size(), 0);
}

TEST(ModelWindow, SaveAsRetitlesTheWindowAndTheWindowList) {
    ProgramFolder folder;
    FakePorts ports;
    MainWindowWidget main(folder.path(), "", &ports);
    main.activate();
    main.core().new_Click();
    const std::string target = folder.path() + "/circuit.bgf";
    ports.files = {target};

    find_item(*main.model_window_widget(1)->menuBar(), "&File > Save Model &As...")->trigger();

    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(target)));
    EXPECT_EQ(main.model_window_widget(1)->windowTitle().toStdString(), "circuit[*]");
    EXPECT_FALSE(main.model_window_widget(1)->isWindowModified());
    main.activate();  // the Window list is rebuilt when the main window comes back
    EXPECT_NE(find_item(*main.menuBar(), "&Window > &1 circuit"), nullptr);
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
