// The Edit menu of a model window, and the picture that Copy puts on the
// system clipboard.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>

#include "app/app_fakes.h"
#include "app/main_window.h"
#include "gui/menu_walk.h"
#include "gui/program_folder.h"
#include "model/model_writer.h"
#include "shell/journal_recorder.h"
#include "shell/main_window_widget.h"
#include "shell/model_window_widget.h"
#include "shell/qt_clipboard.h"

namespace vantor::test {
namespace {

using shell::MainWindowWidget;

bool black(const QImage& image, int x, int y) {
    return image.pixel(x, y) == qRgb(0, 0, 0);
}

TEST(ClipboardImage, FramesAndLinesAreBlackOnWhitePaper) {
    ClipboardPicture picture{1500, 900, {Glyph{}}, {LineControl{600, 600, 1200, 600, 0, true, 1}}};
    Glyph& framed = picture.glyphs[0];
    framed.left = framed.top = 150;
    framed.width = 300;
    framed.height = 255;
    framed.caption = "C";
    framed.border = 1;
    framed.visible = true;

    const QImage image = shell::clipboard_image(picture);
    ASSERT_EQ(image.size(), QSize(100, 60));
    EXPECT_TRUE(black(image, 10, 12));   // the frame's left edge
    EXPECT_FALSE(black(image, 5, 5));    // paper
    EXPECT_TRUE(black(image, 60, 40));   // the line
    EXPECT_FALSE(black(image, 60, 45));  // beside it
}

TEST(EditMenu, ItemsRunOnTheDocumentAndAreJournaled) {
    ProgramFolder folder;
    FakePorts ports;
    QTemporaryDir dir;
    const std::string journal_path = dir.filePath("edit.jnl").toStdString();
    shell::JournalRecorder journal(journal_path);
    MainWindowWidget main(folder.path(), example("series_rlc.bgf"), &ports, &journal);
    main.activate();
    shell::ModelWindowWidget* widget = main.model_window_widget(1);
    ASSERT_NE(widget, nullptr);
    const ModelDocument& doc = *main.core().model_window(1);
    const int nobj = doc.window.model.nobj;
    const QMenuBar& bar = *widget->menuBar();
    QGuiApplication::clipboard()->clear();

    find_item(bar, "&Edit")->menu()->aboutToShow();
    find_item(bar, "&Edit > &Select All")->trigger();
    EXPECT_TRUE(find_item(bar, "&Edit > &Rotate")->isEnabled());
    find_item(bar, "&Edit > C&opy")->trigger();
    EXPECT_FALSE(QGuiApplication::clipboard()->image().isNull());
    find_item(bar, "&Edit > &Paste")->trigger();
    EXPECT_EQ(doc.window.model.nobj, 2 * nobj);
    find_item(bar, "&Edit > &Delete")->trigger();
    EXPECT_EQ(doc.window.model.nobj, nobj);
    EXPECT_FALSE(find_item(bar, "&Edit > &Delete")->isEnabled());

    const std::string text = file_text(journal_path);
    EXPECT_NE(text.find("menu edit\nmenu selectall\nmenu copy\nmenu paste\nmenu ddelete\n"),
              std::string::npos)
        << text;
}

TEST(EditMenu, UndoAndRedoNameTheStepAndTakeBothShortcuts) {
    ProgramFolder folder;
    FakePorts ports;
    QTemporaryDir dir;
    const std::string journal_path = dir.filePath("undo.jnl").toStdString();
    const std::string model_path = dir.filePath("m.bgf").toStdString();
    ASSERT_TRUE(QFile::copy(QString::fromStdString(example("series_rlc.bgf")),
                            QString::fromStdString(model_path)));
    shell::JournalRecorder journal(journal_path);
    MainWindowWidget main(folder.path(), model_path, &ports, &journal);
    main.activate();
    shell::ModelWindowWidget* widget = main.model_window_widget(1);
    ASSERT_NE(widget, nullptr);
    ModelDocument& doc = *main.core().model_window(1);
    const std::string before = format_model(doc.window.model);
    const QMenuBar& bar = *widget->menuBar();
    QAction* undo = find_item(bar, "&Edit > &Undo");
    ASSERT_NE(undo, nullptr);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(find_item(bar, "&Edit > &Redo")->shortcuts(),
              (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Y),
                                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}));

    find_item(bar, "&Edit > &Select All")->trigger();
    find_item(bar, "&Edit > &Delete")->trigger();
    ASSERT_EQ(undo->text(), "&Undo Delete");
    EXPECT_TRUE(undo->isEnabled());
    undo->trigger();
    EXPECT_EQ(format_model(doc.window.model), before);
    EXPECT_EQ(doc.window.saved, kFalse);
    QAction* redo = find_item(bar, "&Edit > &Redo Delete");
    ASSERT_NE(redo, nullptr);
    redo->trigger();
    EXPECT_EQ(doc.window.model.nobj, 0);
    // Saving keeps the history.
    find_item(bar, "&File > &Save Model")->trigger();
    EXPECT_EQ(doc.window.saved, kTrue);
    EXPECT_TRUE(find_item(bar, "&Edit > &Undo Delete")->isEnabled());

    const std::string text = file_text(journal_path);
    EXPECT_NE(text.find("menu ddelete\nmenu editundo\nmenu editredo\n"), std::string::npos) << text;
}

}  // namespace
}  // namespace vantor::test
