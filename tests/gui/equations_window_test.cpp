// Run > State Equations: the window on the series RLC, following its model.

#include <QtCharts>

#include "gui/model_window_session.h"
#include "shell/equations_window.h"

namespace vantor::test {
namespace {

using StateEquations = ModelWindowSession;

// What the window shows: its title, equations, linear analysis and variables.
QString shown(shell::EquationsWindow& eq) {
    QString out = eq.windowTitle() + "\n" + eq.equations_text()->toPlainText() + "\n" +
                  eq.linear_text()->toPlainText() + "\n";
    for (int r = 0; r < eq.variables()->rowCount(); ++r) {
        for (int c = 0; c < eq.variables()->columnCount(); ++c)
            out += (c ? " | " : "") + eq.variables()->item(r, c)->text().simplified();
        out += "\n";
    }
    return out;
}

// The series RLC (L = 0.1, C = 1e-3, R = 10): its two equations, variables,
// poles (wn = 100 rad/s, zeta = 0.5) and Bode plot, the files it writes, and
// the model followed: with L = 0.4, wn = 50 and zeta = 0.25. Then a large
// model's derivation, and models in derivative causality or with a loop.
TEST_F(StateEquations, ShowTheSeriesRlcAndFollowItsModel) {
    open("", example("series_rlc.bgf"));
    item("&Run > &Assign && Check Causality")->trigger();
    item("&Run > State E&quations...")->trigger();
    settle();
    ASSERT_NE(window->equations_window(), nullptr);
    shell::EquationsWindow& eq = *window->equations_window();
    EXPECT_TRUE(eq.isVisible());
    const QRect room = eq.screen()->availableGeometry();
    EXPECT_TRUE(room.contains(QRect(room.topLeft(), eq.size())));
    QString listing = shown(eq);
    eq.set_numeric(true);
    listing += "-- numeric\n" + shown(eq);
    eq.grab().save(render_path(QStringLiteral("state-equations")));

    // Choosing a state's row or a parameter's selects the element in the model window.
    for (const auto& [name, element] : {std::pair{"q6", 6}, {"R", 4}, {"p3", 3}}) {
        const auto rows = eq.variables()->findItems(name, Qt::MatchExactly);
        ASSERT_FALSE(rows.empty()) << name;
        eq.variables()->selectRow(rows[0]->row());
        settle();
        for (int n = 1; n <= state().model.nobj; ++n)
            EXPECT_EQ(state().model.objs[n].selected != 0, n == element) << name << " " << n;
    }
    EXPECT_FALSE(eq.snapshot().stale);  // selecting changes no model

    // Bode, Se to the scope: a second-order low pass, 0 dB below the corner
    // and -40 dB a decade above.
    eq.choose_bode(0, 0);
    QChart* magnitude = eq.magnitude_view()->chart();
    auto* frequency = qobject_cast<QLogValueAxis*>(magnitude->axes(Qt::Horizontal).value(0));
    ASSERT_NE(frequency, nullptr);
    const double corner = 1 / std::sqrt(0.1 * 1e-3);
    EXPECT_LT(frequency->min(), corner / 5);
    EXPECT_GT(frequency->max(), corner * 5);
    const auto* line = static_cast<QLineSeries*>(magnitude->series().front());
    const auto* angle = static_cast<QLineSeries*>(eq.phase_view()->chart()->series().front());
    ASSERT_GT(line->count(), 100);
    EXPECT_NEAR(line->at(0).y(), 0, 0.1);
    const QPointF last = line->at(line->count() - 1);
    EXPECT_NEAR(last.y(), -40 * std::log10(last.x() / corner), 0.5);
    const QPointF middle = angle->at(angle->count() / 2);
    const double r = middle.x() / corner;  // the phase of 1 / (1 - r^2 + j r) with zeta = 0.5
    EXPECT_NEAR(middle.y(), -std::atan2(r, 1 - r * r) * 180 / M_PI, 1) << middle.x();
    for (const auto& [page, name] : {std::pair{1, "variables"}, {2, "linear"}, {3, "bode"}}) {
        eq.pages()->setCurrentIndex(page);
        eq.grab().save(render_path(QStringLiteral("state-equations-") + name));
    }
    eq.show_readout(corner);
    EXPECT_TRUE(eq.readout().startsWith("w = ")) << eq.readout().toStdString();

    ASSERT_TRUE(eq.copy_latex());
    EXPECT_TRUE(QApplication::clipboard()->text().contains("\\begin{align"));
    ASSERT_TRUE(eq.copy_matlab());
    EXPECT_TRUE(QApplication::clipboard()->text().contains("ss(A"));
    const std::string json = dir.filePath("rlc.json").toStdString();
    ports.files = {json, std::nullopt};
    ASSERT_TRUE(eq.save_as());
    EXPECT_NE(file_text(json).find("\"linear\": true"), std::string::npos) << file_text(json);
    EXPECT_FALSE(eq.save_as());  // cancelled

    // L from 0.1 to 0.4, as the parameter dialog would leave it.
    main->core().model_window(1)->window.model.objs[3].parameters = "0.4";
    window->sync();
    expect_data_file("gw2_state_equations.txt",
                     (listing + "-- L = 0.4\n" + shown(eq)).toStdString());

    // Undo Causality greys them and names the bond; closed, the window waits,
    // and opened again it has followed.
    const QString before = eq.equations_text()->toPlainText();
    item("&Run > &Undo Causality ")->trigger();
    settle();
    EXPECT_TRUE(eq.message()->text().contains("Bond 1 has no causality"));
    EXPECT_FALSE(eq.equations_text()->isEnabled());
    EXPECT_EQ(eq.equations_text()->toPlainText(), before);
    eq.close();
    item("&Run > &Assign && Check Causality")->trigger();
    settle();
    EXPECT_TRUE(eq.snapshot().stale);
    item("&Run > State E&quations...")->trigger();
    settle();
    EXPECT_EQ(window->equations_window(), &eq);
    EXPECT_TRUE(eq.equations_text()->isEnabled());
    EXPECT_FALSE(eq.message()->isVisible());

    // Every model counts as large here: the derivation runs on its own thread.
    shell::EquationsWindow beside(ports, {}, nullptr, 0);
    beside.follow(state().model);
    EXPECT_TRUE(beside.message()->text().contains("Deriving"));
    for (int i = 0; i < 600 && (beside.deriving() || !beside.snapshot().has_equations); ++i) {
        QApplication::processEvents();
        QThread::msleep(10);
    }
    ASSERT_TRUE(beside.snapshot().has_equations);
    EXPECT_FALSE(beside.message()->text().contains("Deriving"));
    EXPECT_EQ(beside.bode_input()->count(), 1);

    // What the derivation made of derivative causality and algebraic loops;
    // the elements in derivative causality are named in the status bar.
    for (const auto& [model, note] :
         {std::pair{"two_capacitors.bgf", "Derivative causality: element"},
          {"algebraic_loop.bgf", "Algebraic loop through elements"}}) {
        open(VANTOR_DATA_DIR, example(model));
        item("&Run > &Assign && Check Causality")->trigger();
        item("&Run > State E&quations...")->trigger();
        settle();
        const shell::EquationsWindow* derived = window->equations_window();
        ASSERT_NE(derived, nullptr) << model;
        EXPECT_FALSE(derived->snapshot().stale) << derived->snapshot().problem;
        EXPECT_TRUE(derived->message()->text().contains(note)) << note;
        EXPECT_EQ(window->statusBar()->currentMessage() == "In derivative causality: 6 (C2)",
                  *model == 't');
    }
}

}  // namespace
}  // namespace vantor::test
