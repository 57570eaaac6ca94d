// The Qt parameter dialog runs the core's handlers and journals what a
// replay needs to do the same.
#include "shell/parameter_dialog_widget.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "journal/journal_writer.h"

namespace vantor {
namespace {

QPushButton* button(QWidget* dialog, const QString& text) {
    for (QPushButton* b : dialog->findChildren<QPushButton*>()) {
        if (b->text() == text) return b;
    }
    return nullptr;
}

TEST(ParameterDialogWidget, TypingAndClosingJournalsTheDialogLines) {
    AppState app;  // no description file: both boxes show
    app.partype = "R__";
    app.partext1 = "10";
    app.partext2 = "x";
    ParameterDialog dialog;
    Form_Load(dialog, app);
    std::vector<std::string> lines;
    shell::QtParameterDialogPort port(
        nullptr, [&](const EditorEvent& e) { lines.push_back(format_journal_line(e)); });

    QTimer::singleShot(0, [] {
        QWidget* shown = QApplication::activeModalWidget();
        ASSERT_NE(shown, nullptr);
        auto boxes = shown->findChildren<QLineEdit*>();
        ASSERT_EQ(boxes.size(), 2);
        boxes[0]->setText(QStringLiteral("22"));
        button(shown, QStringLiteral("Apply"))->click();
        boxes[1]->setText(QStringLiteral("y"));
        button(shown, QStringLiteral("Close"))->click();
    });
    port.show_modal(dialog, app);

    EXPECT_FALSE(dialog.open);
    EXPECT_EQ(app.partext1, "22");
    EXPECT_EQ(app.partext2, "y");
    EXPECT_EQ(lines, (std::vector<std::string>{"dialog value1 \"22\"", "dialog Apply",
                                               "dialog value2 \"y\"", "dialog Close"}));
}

// Stored values are padded with blanks; the boxes show the value alone with
// the caret after it, typing edits it, and the value goes back padded.
TEST(ParameterDialogWidget, PaddedValuesShowTrimmedAndTypingEditsThem) {
    AppState app;
    app.partype = "R__";
    app.partext1 = "0.05" + std::string(96, ' ');
    app.partext2 = "k" + std::string(99, ' ');
    ParameterDialog dialog;
    Form_Load(dialog, app);
    std::vector<std::string> lines;
    shell::QtParameterDialogPort port(
        nullptr, [&](const EditorEvent& e) { lines.push_back(format_journal_line(e)); });

    QStringList shown_texts;
    std::vector<int> carets;
    QTimer::singleShot(0, [&] {
        QWidget* shown = QApplication::activeModalWidget();
        ASSERT_NE(shown, nullptr);
        auto boxes = shown->findChildren<QLineEdit*>();
        ASSERT_EQ(boxes.size(), 2);
        for (QLineEdit* box : boxes) {
            shown_texts << box->text();
            carets.push_back(box->cursorPosition());
        }
        QTest::keyClick(boxes[0], Qt::Key_Backspace);
        QTest::keyClick(boxes[0], Qt::Key_Backspace);
        QTest::keyClicks(boxes[0], QStringLiteral("1"));
        shown_texts << boxes[0]->text();
        // The second box is left as it opened: its blanks stay.
        button(shown, QStringLiteral("Close"))->click();
    });
    port.show_modal(dialog, app);

    EXPECT_EQ(shown_texts, (QStringList{"0.05", "k", "0.1"}));
    EXPECT_EQ(carets, (std::vector<int>{4, 1}));
    const std::string stored1 = "0.1" + std::string(97, ' ');
    EXPECT_EQ(app.partext1, stored1);
    EXPECT_EQ(app.partext2, "k" + std::string(99, ' '));
    EXPECT_EQ(lines,
              (std::vector<std::string>{"dialog value1 \"" + stored1 + "\"", "dialog Close"}));
}

}  // namespace
}  // namespace vantor
