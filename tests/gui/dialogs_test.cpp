// The program's own dialogs and the file dialogs' filters.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/model_document.h"
#include "gui/program_folder.h"
#include "journal/journal_writer.h"
#include "shell/file_filter.h"
#include "shell/parameter_dialog_widget.h"
#include "shell/simulation_settings_dialog.h"

namespace vantor::shell {
namespace {

using test::expect_data_table;

// Each line of the data file: a filter as the core writes it => as the Qt
// dialog takes it => the extension a save adds to a bare name, per entry.
TEST(QtFileFilter, ConvertsEveryShapeOfEntryAndASaveAddsTheOneExtension) {
    const auto suffixes = [](const QString& filter) {
        QStringList out;
        for (const QString& entry : filter.split(";;")) out << default_suffix_for(entry);
        return out.join(',').toStdString();
    };
    expect_data_table("gw_file_filters.txt", [&](const std::string& in) {
        const QString qt = qt_file_filter(in.c_str());
        return qt.toStdString() + " => " + suffixes(qt);
    });
    EXPECT_EQ(qt_file_filter(kModelFilter),
              "Bond Graf Files (*.bgf *.BGF);;Library (*.lib *.LIB);;All Files (*)");
    EXPECT_EQ(suffixes(qt_file_filter(kModelFilter)), "bgf,lib,");
}

// Each line of the data file: stop time | fixed (or adaptive) | step | relative
// and absolute tolerance => "ok", or the hint that holds OK back.
TEST(SimulationSettings, OnlyPositiveFiniteNumbersTheSolverUsesAreChecked) {
    expect_data_table("gw_simulation_settings.txt", [](const std::string& in) {
        const QStringList f = QString::fromStdString(in).split('|');
        if (f.size() != 5) return std::string("five fields, please");
        const SettingsCheck check =
            check_settings({f[0], f[1] == "fixed", f[2], f[3], f[4]}, SimulationSettings{});
        const bool ok = check.settings.has_value() && check.hint.isEmpty();
        return ok ? std::string("ok") : check.hint.toStdString();
    });
    SimulationSettings before;
    before.fixed_step = 0.5;
    const SettingsCheck kept = check_settings({"2", false, "junk", "1e-4", "1e-8"}, before);
    ASSERT_TRUE(kept.settings);
    EXPECT_EQ(kept.settings->stop_time, 2.0);
    EXPECT_EQ(kept.settings->solver, sim::SolverKind::kAdaptive);
    EXPECT_EQ(kept.settings->fixed_step, 0.5);  // unreadable but unused: kept
    EXPECT_EQ(kept.settings->relative_tolerance, 1e-4);
    EXPECT_EQ(kept.settings->absolute_tolerance, 1e-8);
}

// Presses Escape on the dialog that the next modal loop shows.
void escape_when_shown() {
    QTimer::singleShot(0, [] {
        QWidget* shown = QApplication::activeModalWidget();
        ASSERT_NE(shown, nullptr);
        QTest::keyClick(shown, Qt::Key_Escape);
    });
}

TEST(SimulationSettings, TheDialogHoldsOkBackWhileAFieldIsInvalid) {
    SimulationSettings start;
    start.solver = sim::SolverKind::kFixed;
    start.stop_time = 5;
    start.engine = SimulationEngine::kEquations;
    SimulationSettingsDialog dialog(start);
    auto* stop = dialog.findChild<QLineEdit*>("stop_time");
    auto* step = dialog.findChild<QLineEdit*>("fixed_step");
    auto* solver = dialog.findChild<QComboBox*>("solver");
    auto* engine = dialog.findChild<QComboBox*>("engine");
    auto* hint = dialog.findChild<QLabel*>("hint");
    QPushButton* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    ASSERT_TRUE(stop && step && solver && engine && hint && ok);
    EXPECT_EQ(stop->text(), "5");
    EXPECT_EQ(solver->currentText(), "Fixed step (RK4)");
    EXPECT_EQ(engine->currentText(), "the state equations");
    EXPECT_TRUE(ok->isEnabled());

    step->setText("6");
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_EQ(hint->text(), "The fixed step must not be longer than the stop time.");
    solver->setCurrentIndex(0);  // the step no longer counts
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_FALSE(step->isEnabled());
    EXPECT_TRUE(hint->text().isEmpty());
    stop->clear();
    engine->setCurrentIndex(0);
    const SimulationSettings chosen = dialog.settings();
    EXPECT_FALSE(chosen.stop_time.has_value());
    EXPECT_EQ(chosen.solver, sim::SolverKind::kAdaptive);
    EXPECT_EQ(chosen.fixed_step, 6.0);
    EXPECT_EQ(chosen.engine, SimulationEngine::kDiagram);

    // Escape is Cancel: the settings stay.
    escape_when_shown();
    EXPECT_FALSE(edit_simulation_settings(nullptr, start));
    EXPECT_EQ(start.stop_time, 5);
}

QPushButton* button(QWidget* dialog, const QString& text) {
    for (QPushButton* b : dialog->findChildren<QPushButton*>()) {
        if (b->text() == text) return b;
    }
    return nullptr;
}

// Stored values are padded with blanks: the boxes show the value alone with
// the caret after it, an untouched box journals nothing, an edited value goes
// back padded. Escape is the close box.
TEST(ParameterDialogWidget, JournalsWhatAReplayNeedsToDoTheSame) {
    AppState app;  // no description file: both boxes show
    app.partype = "R__";
    app.partext1 = "0.05" + std::string(96, ' ');
    app.partext2 = "k" + std::string(99, ' ');
    ParameterDialog dialog;
    Form_Load(dialog, app);
    std::vector<std::string> lines;
    QtParameterDialogPort port(
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
        button(shown, QStringLiteral("Apply"))->click();
        boxes[1]->setText(QStringLiteral("y"));
        button(shown, QStringLiteral("Close"))->click();
    });
    port.show_modal(dialog, app);
    EXPECT_FALSE(dialog.open);
    EXPECT_EQ(shown_texts, (QStringList{"0.05", "k"}));
    EXPECT_EQ(carets, (std::vector<int>{4, 1}));
    const std::string value1 = "0.1" + std::string(97, ' '), value2 = "y" + std::string(99, ' ');
    EXPECT_EQ(app.partext1, value1);
    EXPECT_EQ(app.partext2, value2);
    EXPECT_EQ(lines,
              (std::vector<std::string>{"dialog value1 \"" + value1 + "\"", "dialog Apply",
                                        "dialog value2 \"" + value2 + "\"", "dialog Close"}));

    Form_Load(dialog, app);
    lines.clear();
    escape_when_shown();
    port.show_modal(dialog, app);
    EXPECT_FALSE(dialog.open);
    EXPECT_EQ(lines, std::vector<std::string>{"dialog closebox"});
}

}  // namespace
}  // namespace vantor::shell
