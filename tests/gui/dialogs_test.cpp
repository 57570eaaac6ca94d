// The program's own dialogs, the file dialogs' filters, the journal file and
// the command line.
#include "gui/model_window_session.h"
#include "journal/journal_writer.h"
#include "model/file_error.h"
#include "shell/command_line.h"
#include "shell/file_filter.h"
#include "shell/parameter_dialog_widget.h"
#include "shell/simulation_settings_dialog.h"

namespace vantor::shell {
namespace {

using test::expect_data_table;
using test::file_text;

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
}

// Each line of the data file: stop time | fixed (or adaptive) | step | relative
// and absolute tolerance => the settings taken, or the hint that holds OK back.
// The settings before had a fixed step of 0.5.
std::string described(const SimulationSettings& s) {
    const auto number = [](std::optional<double> x) {
        return x ? QString::number(*x) : QStringLiteral("none");
    };
    return QStringLiteral("stop %1, %2 step %3, tolerances %4 %5, %6")
        .arg(number(s.stop_time), s.solver == sim::SolverKind::kFixed ? "fixed" : "adaptive",
             number(s.fixed_step), number(s.relative_tolerance), number(s.absolute_tolerance),
             s.engine == SimulationEngine::kDiagram ? "diagram" : "equations")
        .toStdString();
}

TEST(SimulationSettings, OnlyPositiveFiniteNumbersTheSolverUsesAreChecked) {
    expect_data_table("gw_simulation_settings.txt", [&](const std::string& in) {
        const QStringList f = QString::fromStdString(in).split('|');
        if (f.size() != 5) return std::string("five fields, please");
        SimulationSettings before;
        before.fixed_step = 0.5;
        const SettingsCheck check =
            check_settings({f[0], f[1] == "fixed", f[2], f[3], f[4]}, before);
        if (!check.settings.has_value() || !check.hint.isEmpty()) return check.hint.toStdString();
        return "ok: " + described(*check.settings);
    });
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
    EXPECT_EQ(stop->text() + " | " + solver->currentText() + " | " + engine->currentText(),
              "5 | Fixed step (RK4) | the state equations");
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
    EXPECT_EQ(described(dialog.settings()),
              "stop none, adaptive step 6, tolerances 0.001 1e-06, diagram");

    // Escape is Cancel: the settings stay.
    escape_when_shown();
    EXPECT_FALSE(edit_simulation_settings(nullptr, start));
    EXPECT_EQ(start.stop_time, 5);
}

QPushButton* button(QWidget* dialog, const QString& text) {
    for (QPushButton* b : dialog->findChildren<QPushButton*>())
        if (b->text() == text) return b;
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
    QStringList shown_texts;  // and where the caret stands
    QTimer::singleShot(0, [&] {
        QWidget* shown = QApplication::activeModalWidget();
        ASSERT_NE(shown, nullptr);
        auto boxes = shown->findChildren<QLineEdit*>();
        ASSERT_EQ(boxes.size(), 2);
        for (QLineEdit* box : boxes)
            shown_texts << box->text() + "|" + QString::number(box->cursorPosition());
        QTest::keyClick(boxes[0], Qt::Key_Backspace);
        QTest::keyClick(boxes[0], Qt::Key_Backspace);
        QTest::keyClicks(boxes[0], QStringLiteral("1"));
        button(shown, QStringLiteral("Apply"))->click();
        boxes[1]->setText(QStringLiteral("y"));
        button(shown, QStringLiteral("Close"))->click();
    });
    port.show_modal(dialog, app);
    EXPECT_FALSE(dialog.open);
    EXPECT_EQ(shown_texts, (QStringList{"0.05|4", "k|1"}));
    const std::string value1 = "0.1" + std::string(97, ' '), value2 = "y" + std::string(99, ' ');
    EXPECT_EQ(app.partext1 + app.partext2, value1 + value2);
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

EditorEvent scroll(int value) {
    EditorEvent event;
    event.kind = EventKind::kHScroll;
    event.value = value;
    return event;
}

TEST(JournalRecorder, EachWindowsEventsFollowACommentWithANumberNeverReused) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("edit.jnl").toStdString();
    {
        std::ofstream earlier(path);
        earlier << "# an earlier session\n# window 2: old\nhscroll 100\n";
    }
    {
        JournalRecorder journal(path);
        const int first = journal.new_writer();
        const int second = journal.new_writer();
        journal.record(first, "MODEL1", scroll(200));
        journal.record(first, "MODEL1", scroll(300));
        journal.record(second, "rlc", scroll(400));
        journal.record(first, "MODEL1", scroll(500));
        // Every line is in the file at once, not when the program ends.
        EXPECT_EQ(file_text(path).substr(file_text(path).size() - 12), "hscroll 500\n");
        // A window opened after one closed, with the same caption, is another window.
        const int reopened = journal.new_writer();
        journal.record(reopened, "MODEL1", scroll(600));
    }
    EXPECT_EQ(file_text(path),
              "# an earlier session\n# window 2: old\nhscroll 100\n"
              "# window 3: MODEL1\nhscroll 200\nhscroll 300\n"
              "# window 4: rlc\nhscroll 400\n"
              "# window 3: MODEL1\nhscroll 500\n"
              "# window 5: MODEL1\nhscroll 600\n");

    // A journal that cannot be opened is named.
    const std::string missing = dir.filePath("missing/edit.jnl").toStdString();
    try {
        JournalRecorder journal(missing);
        ADD_FAILURE() << "opened";
    } catch (const FileError& e) {
        EXPECT_EQ(e.path(), missing);
    }
}

// Each line of the data file: the words of a command line => the journal
// option and the model or models they open.
TEST(EditorOptions, TheJournalOptionComesOutAnywhereAndTheRestOpensTheModel) {
    const QTemporaryDir dir;
    ASSERT_TRUE(QFile(dir.filePath("a.bgf b.bgf")).open(QIODevice::WriteOnly));
    expect_data_table("gw2_editor_options.txt", [&](const std::string& in) {
        const QString words = QString::fromStdString(in).replace("{dir}", dir.path());
        const auto options =
            read_editor_options(words.isEmpty() ? QStringList() : words.split('|'));
        if (!options) return std::string("refused");
        QString out = "journal \"" + options->journal + "\" model \"" + options->command_line + '"';
        for (const QString& more : options->more_models) out += " and \"" + more + '"';
        return out.replace(dir.path(), "{dir}").toStdString();
    });
}

}  // namespace
}  // namespace vantor::shell
