// A model built from an empty window with the mouse and the keyboard only:
// palette drops, bonds drawn from near an element, a signal link dragged
// with the right button, a text note typed in place. The journal of each
// session replays to the same window, and the series RLC circuit built this
// way is the shipped example: the same elements, bonds and strokes, and a
// generated file that simulates to the same answer.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <tuple>

#include "causality/causality_commands.h"
#include "gui/model_window_session.h"
#include "model/element_kinds.h"
#include "model/file_reading.h"
#include "model/model_reader.h"
#include "shell/caption_editor.h"
#include "sim/script_reader.h"
#include "sim/simulator.h"
#include "simulink/generate.h"

namespace vantor::test {
namespace {

const std::string kData = VANTOR_DATA_DIR;

// Generation of a model read from a file, its save dialog answered.
struct FileGenerationHost : GenerationHost {
    std::string path;
    void show_message(const std::string&) override {}
    void selection_changed(int) override {}
    void redraw() override {}
    std::optional<std::string> ask_save_file(const SaveDialogRequest&) override { return path; }
    void set_busy(bool) override {}
};

struct Builder : ModelWindowSession {
    void SetUp() override {
        // The shipped program folder: palettes, priority tables, templates.
        open(kData);
        // Room for the whole drawing: no gesture here scrolls the window.
        window->resize(760, 480);
        window->show();
        window->activateWindow();
        settle();
    }

    // A bond from `from` to `to`: the drag starts on the background just
    // right of `from`'s glyph, where the pointer shows the cross, and ends
    // on `to`.
    void draw_bond(int from, int to) {
        const QPoint start = at_glyph(from, 1.25);
        hover(start);
        ASSERT_EQ(state().MousePointer, kPointerCross) << from << " to " << to;
        QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, start);
        QTest::mouseMove(canvas, start + QPoint(1, 0));
        const QPoint end = at_glyph(to);
        QTest::mouseMove(canvas, end);
        EXPECT_EQ(state().MousePointer, kPointerConnect) << from << " to " << to;
        QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, end);
    }

    // A right drag from output port `port` that ends on input port `input`:
    // a connection point follows the pointer and is attached there.
    void link(int port, int input) {
        const QPoint start = at_glyph(port);
        const QPoint end = at_glyph(input);
        QTest::mousePress(canvas, Qt::RightButton, Qt::NoModifier, start);
        QTest::mouseMove(canvas, start + QPoint(1, 0));
        QTest::mouseMove(canvas, start + QPoint(20, 10));
        QTest::mouseMove(canvas, end);
        QTest::mouseRelease(canvas, Qt::RightButton, Qt::NoModifier, end);
    }

    void render(const QString& name) { window->grab().toImage().save(render_path(name)); }
};

using Bond = std::tuple<std::string, std::string, int>;

// Element types, and bonds as their ends' types with their strokes: what
// makes a model the same model wherever its glyphs stand.
std::vector<std::string> element_types(const Model& m) {
    std::vector<std::string> types;
    for (int i = 1; i <= m.nobj; ++i) types.push_back(m.objs[i].type.trimmed());
    std::sort(types.begin(), types.end());
    return types;
}
std::vector<Bond> bonds(const Model& m) {
    std::vector<Bond> all;
    for (int j = 1; j <= m.nlin; ++j) {
        const LineRecord& b = m.lines[j];
        all.emplace_back(m.objs[b.obj1].type.trimmed(), m.objs[b.obj2].type.trimmed(), b.causa);
    }
    std::sort(all.begin(), all.end());
    return all;
}

// The one scope's trace of a generated script, run as the simulation tests
// run the series RLC example.
std::vector<double> scope_trace(const std::string& script) {
    const sim::Diagram diagram = sim::read_script(script, sim::ScriptDialect::kCurrent);
    sim::SimulationOptions options;
    options.solver = sim::SolverKind::kFixed;
    options.fixed_step = 1e-4;
    options.stop_time = 0.15;
    const sim::SimulationResult result = sim::simulate(diagram, options);
    EXPECT_EQ(result.scopes.size(), 1u);
    return result.scopes.empty() ? std::vector<double>{} : result.scopes.begin()->second.at(0);
}

TEST_F(Builder, TheSeriesRlcExampleBuiltWithTheMouseIsTheShippedOne) {
    // Dropped in the example's order, so the elements get its numbers too.
    drop("bondgraph", "Se_", {50, 60});    // 1
    drop("bondgraph", "111", {150, 60});   // 2
    drop("bondgraph", "I__", {110, 170});  // 3
    drop("bondgraph", "R__", {200, 170});  // 4
    drop("bondgraph", "000", {300, 60});   // 5
    drop("bondgraph", "C__", {280, 170});  // 6
    drop("bondgraph", "De_", {400, 170});  // 7, its output port 8
    drop("signals", "sco", {540, 270});    // 9, its input port 10
    ASSERT_EQ(state().model.nobj, 10);

    const int se = 1, one = 2, inductor = 3, resistor = 4, zero = 5, capacitor = 6, detector = 7;
    for (auto [from, to] : {std::pair{se, one},
                            {one, inductor},
                            {one, resistor},
                            {one, zero},
                            {zero, capacitor},
                            {zero, detector}}) {
        draw_bond(from, to);
    }
    ASSERT_EQ(state().model.nlin, 6);
    ASSERT_TRUE(is_output_port(state().model, 8));
    ASSERT_TRUE(is_input_port(state().model, 10));
    link(8, 10);
    ASSERT_EQ(state().model.nobj, 11);
    EXPECT_EQ(state().model.objs[11].index, 10);

    item("&Run > &Assign && Check Causality")->trigger();
    settle();
    EXPECT_TRUE(ports.messages.empty()) << ports.messages.front();
    render(QStringLiteral("build_series_rlc"));
    expect_journal_replays();

    ModelWindowState shipped;
    leerarchivo(shipped, example("series_rlc.bgf"));
    FileGenerationHost host;
    ASSERT_EQ(assign_Click(shipped, read_priority_tables(kData), host), AssignOutcome::kCompleted);
    const Model& built = state().model;
    EXPECT_EQ(element_types(built), element_types(shipped.model));
    EXPECT_EQ(bonds(built), bonds(shipped.model));
    // The signal connection: port, point, port, as in the example.
    for (int i = 8; i <= 11; ++i) {
        EXPECT_EQ(built.objs[i].auxil2, shipped.model.objs[i].auxil2) << i;
        EXPECT_EQ(built.objs[i].index, shipped.model.objs[i].index) << i;
    }

    // The example's values, typed into the parameter dialog that a double
    // click opens (junctions have none).
    for (const int i : {se, inductor, resistor, capacitor, detector}) {
        const ObjRecord& want = shipped.model.objs[static_cast<std::size_t>(i)];
        const QString values[] = {QString::fromStdString(want.parameters.trimmed()),
                                  QString::fromStdString(want.parameter2.trimmed())};
        QTimer::singleShot(0, [&values] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            // The double click's release lands on the dialog that it opened.
            QTest::mouseRelease(dialog, Qt::LeftButton);
            const auto boxes = dialog->findChildren<QLineEdit*>();
            for (int b = 0; b < boxes.size() && b < 2; ++b) {
                if (boxes[b]->isVisible()) boxes[b]->setText(values[b]);
            }
            for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
                if (button->text() == QStringLiteral("Close")) button->click();
            }
        });
        QTest::mouseDClick(canvas, Qt::LeftButton, Qt::NoModifier, at_glyph(i));
        settle();
        EXPECT_EQ(state().model.objs[i].parameters.trimmed(), want.parameters.trimmed()) << i;
    }
    expect_journal_replays();
    const std::string generated = dir.filePath("built.m").toStdString();
    ports.files.push_back(generated);
    item("&Run > &Generate Simulink File")->trigger();
    settle();
    host.path = dir.filePath("series_rlc.m").toStdString();
    ASSERT_EQ(generate_Click(shipped, {kData, 3, "series_rlc", {}}, host).outcome,
              GenerateOutcome::kWritten);

    const std::vector<double> ours = scope_trace(read_whole_file(generated));
    const std::vector<double> theirs = scope_trace(read_whole_file(host.path));
    ASSERT_EQ(ours.size(), theirs.size());
    ASSERT_FALSE(ours.empty());
    double peak = 0, worst = 0;
    for (std::size_t k = 0; k < ours.size(); ++k) {
        peak = std::max(peak, std::fabs(theirs[k]));
        worst = std::max(worst, std::fabs(ours[k] - theirs[k]));
    }
    EXPECT_GT(peak, 0.5);  // the capacitor charges towards the source's 1 V
    EXPECT_LE(worst, 1e-9 * peak);
}

TEST_F(Builder, ANoteIsTypedInPlaceAndReopenedByADoubleClick) {
    drop("bondgraph", "C__", {60, 60});
    // An empty rectangle draws the note, and the editor opens on it.
    hover({150, 100});
    QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, {150, 100});
    QTest::mouseMove(canvas, {151, 101});
    QTest::mouseMove(canvas, {300, 150});
    QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, {300, 150});
    settle();
    ASSERT_EQ(state().model.nobj, 2);
    shell::CaptionEditor* editor = canvas->caption_editor();
    ASSERT_TRUE(editor->isVisible());
    EXPECT_TRUE(editor->hasFocus());
    // The rectangle runs from the first move with the button held.
    EXPECT_EQ(editor->geometry(), QRect(151, 101, 149, 49));

    QTest::keyClicks(editor, QStringLiteral("Hello"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTest::keyClicks(editor, QStringLiteral("w"));
    QTest::sendKeyEvent(QTest::Click, editor, Qt::Key_Odiaeresis, QStringLiteral("ö"),
                        Qt::NoModifier);
    QTest::keyClicks(editor, QStringLiteral("rld"));
    const ObjRecord& note = state().model.objs[2];
    EXPECT_EQ(note.caption.trimmed(), "Hello\r\nw\xF6rld");
    EXPECT_FALSE(state().menus.ddelete);
    render(QStringLiteral("caption_editing"));

    // Escape ends the edit: the note shows its two lines at their own size.
    QTest::keyClick(editor, Qt::Key_Escape);
    settle();
    EXPECT_FALSE(editor->isVisible());
    EXPECT_FALSE(state().Text1.visible);
    EXPECT_TRUE(state().menus.ddelete);
    EXPECT_EQ(state().image1[2].height, 450);

    // A double click opens it again with both lines.
    QTest::mouseDClick(canvas, Qt::LeftButton, Qt::NoModifier, at_glyph(2));
    settle();
    ASSERT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->toPlainText(), QStringLiteral("Hello\nwörld"));
    // A click elsewhere closes it.
    QTest::mouseClick(canvas, Qt::LeftButton, Qt::NoModifier, {400, 200});
    settle();
    EXPECT_FALSE(editor->isVisible());

    const std::string text = journal_text();
    EXPECT_NE(text.find("text1_change \"Hello\\r\\nw\xC3\xB6rld\"\n"), std::string::npos) << text;
    EXPECT_NE(text.find("image1_dblclick 2\n"), std::string::npos) << text;
    EXPECT_NE(text.find("text1_lostfocus\n"), std::string::npos) << text;
    expect_journal_replays();
}

}  // namespace
}  // namespace vantor::test
