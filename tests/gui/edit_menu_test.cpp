// The Edit menu of a model window, and the picture that Copy puts on the
// system clipboard.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>

#include "gui/model_window_session.h"
#include "model/model_writer.h"
#include "shell/qt_clipboard.h"

namespace vantor::test {
namespace {

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

using EditMenu = ModelWindowSession;

TEST_F(EditMenu, ItemsRunOnTheDocumentAndAreJournaled) {
    open("", example("series_rlc.bgf"));
    const int nobj = state().model.nobj;
    QGuiApplication::clipboard()->clear();

    item("&Edit")->menu()->aboutToShow();
    item("&Edit > &Select All")->trigger();
    EXPECT_TRUE(item("&Edit > &Rotate")->isEnabled());
    item("&Edit > C&opy")->trigger();
    EXPECT_FALSE(QGuiApplication::clipboard()->image().isNull());
    item("&Edit > &Paste")->trigger();
    EXPECT_EQ(state().model.nobj, 2 * nobj);
    item("&Edit > &Delete")->trigger();
    EXPECT_EQ(state().model.nobj, nobj);
    EXPECT_FALSE(item("&Edit > &Delete")->isEnabled());
    EXPECT_NE(
        journal_text().find("menu edit\nmenu selectall\nmenu copy\nmenu paste\nmenu ddelete\n"),
        std::string::npos)
        << journal_text();
}

TEST_F(EditMenu, UndoAndRedoNameTheStepAndTakeBothShortcuts) {
    const std::string model_path = dir.filePath("m.bgf").toStdString();
    ASSERT_TRUE(QFile::copy(QString::fromStdString(example("series_rlc.bgf")),
                            QString::fromStdString(model_path)));
    open("", model_path);
    const std::string before = format_model(state().model);
    QAction* undo = item("&Edit > &Undo");
    ASSERT_NE(undo, nullptr);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(item("&Edit > &Redo")->shortcuts(),
              (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Y),
                                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}));

    item("&Edit > &Select All")->trigger();
    item("&Edit > &Delete")->trigger();
    ASSERT_EQ(undo->text(), "&Undo Delete");
    EXPECT_TRUE(undo->isEnabled());
    undo->trigger();
    EXPECT_EQ(format_model(state().model), before);
    EXPECT_EQ(state().saved, kFalse);
    QAction* redo = item("&Edit > &Redo Delete");
    ASSERT_NE(redo, nullptr);
    redo->trigger();
    EXPECT_EQ(state().model.nobj, 0);
    // Saving keeps the history.
    item("&File > &Save Model")->trigger();
    EXPECT_EQ(state().saved, kTrue);
    EXPECT_TRUE(item("&Edit > &Undo Delete")->isEnabled());
    EXPECT_NE(journal_text().find("menu ddelete\nmenu editundo\nmenu editredo\n"),
              std::string::npos)
        << journal_text();
}

}  // namespace
}  // namespace vantor::test
