// Run > State Equations: the window on the series RLC, following its model.
#include <gtest/gtest.h>

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QScreen>
#include <QStatusBar>
#include <QTableWidget>
#include <QTextBrowser>
#include <QThread>
#include <QValueAxis>
#include <cmath>
#include <tuple>

#include "gui/model_window_session.h"
#include "shell/equations_window.h"

namespace vantor::test {
namespace {

using StateEquations = ModelWindowSession;

bool has(const QString& text, const char* part) {
    return text.indexOf(part) != -1;
}

// The series RLC (L = 0.1, C = 1e-3, R = 10): its two equations, variables,
// poles and Bode plot, the files it writes, and the model followed.
TEST_F(StateEquations, ShowTheSeriesRlcAndFollowItsModel) {
    open("", example("series_rlc.bgf"));
    item("&Run > &Assign && Check Causality")->trigger();
    item("&Run > State E&quations...")->trigger();
    settle();
    ASSERT_NE(window->equations_window(), nullptr);
    shell::EquationsWindow& eq = *window->equations_window();
    EXPECT_TRUE(eq.isVisible());
    EXPECT_EQ(eq.windowTitle(), "State Equations - series_rlc");
    const QRect room = eq.screen()->availableGeometry();
    EXPECT_TRUE(room.contains(QRect(room.topLeft(), eq.size())));
    EXPECT_FALSE(eq.snapshot().stale);
    const QString text = eq.equations_text()->toPlainText();
    EXPECT_TRUE(has(text, "dp3/dt") && has(text, "dq6/dt")) << text.toStdString();
    ASSERT_EQ(eq.snapshot().states, 2u);
    eq.set_numeric(true);
    EXPECT_TRUE(has(eq.equations_text()->toPlainText(), "1000"));  // 1/C
    // The poles of L C s^2 + R C s + 1: wn = 100 rad/s, zeta = 0.5.
    EXPECT_TRUE(has(eq.linear_text()->toPlainText(), "100"));
    EXPECT_TRUE(has(eq.linear_text()->toPlainText(), "0.5"));
    eq.grab().save(render_path(QStringLiteral("state-equations")));

    // Each row names its element; choosing a state's row or a parameter's
    // selects the element in the model window.
    const std::tuple<const char*, const char*, int> rows[] = {
        {"Se", "Se (1)", 0}, {"q6", "C (6)", 6}, {"R", "R (4)", 4}, {"p3", "I (3)", 3}};
    for (const auto& [name, shown, element] : rows) {
        int r = 0;
        while (r < eq.variables()->rowCount() && eq.variables()->item(r, 1)->text() != name) ++r;
        ASSERT_LT(r, eq.variables()->rowCount()) << name;
        EXPECT_EQ(eq.variables()->item(r, 2)->text().simplified(), shown);
        if (element == 0) continue;
        eq.variables()->selectRow(r);
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
    auto* db = qobject_cast<QValueAxis*>(magnitude->axes(Qt::Vertical).value(0));
    auto* phase = qobject_cast<QValueAxis*>(eq.phase_view()->chart()->axes(Qt::Vertical).value(0));
    ASSERT_TRUE(frequency && db && phase);
    EXPECT_EQ(db->titleText(), "Magnitude (dB)");
    EXPECT_EQ(phase->titleText(), "Phase (deg)");
    const double corner = 1 / std::sqrt(0.1 * 1e-3);
    EXPECT_LT(frequency->min(), corner / 5);
    EXPECT_GT(frequency->max(), corner * 5);
    const auto* line = static_cast<QLineSeries*>(magnitude->series().front());
    const auto* angle = static_cast<QLineSeries*>(eq.phase_view()->chart()->series().front());
    ASSERT_GT(line->count(), 100);
    EXPECT_NEAR(line->at(0).y(), 0, 0.1);
    const QPointF last = line->at(line->count() - 1);
    EXPECT_NEAR(last.y(), -40 * std::log10(last.x() / corner), 0.5);
    for (const QPointF& p :
         {angle->at(0), angle->at(angle->count() / 2), angle->at(angle->count() - 1)}) {
        const double r = p.x() / corner;  // the phase of 1 / (1 - r^2 + j r) with zeta = 0.5
        EXPECT_NEAR(p.y(), -std::atan2(r, 1 - r * r) * 180 / M_PI, 1) << p.x();
    }
    for (const auto& [page, name] : {std::pair{1, "variables"}, {2, "linear"}, {3, "bode"}}) {
        eq.pages()->setCurrentIndex(page);
        eq.grab().save(render_path(QStringLiteral("state-equations-") + name));
    }
    eq.show_readout(corner);
    EXPECT_TRUE(eq.readout().startsWith("w = ")) << eq.readout().toStdString();

    ASSERT_TRUE(eq.copy_latex());
    EXPECT_TRUE(has(QApplication::clipboard()->text(), "\\begin{align"));
    ASSERT_TRUE(eq.copy_matlab());
    EXPECT_TRUE(has(QApplication::clipboard()->text(), "ss(A"));
    const std::string json = dir.filePath("rlc.json").toStdString();
    ports.files = {json, std::nullopt};
    ASSERT_TRUE(eq.save_as());
    EXPECT_EQ(file_text(json).rfind("{", 0), 0u);
    EXPECT_NE(file_text(json).find("\"linear\": true"), std::string::npos) << file_text(json);
    EXPECT_FALSE(eq.save_as());  // cancelled
    EXPECT_TRUE(ports.messages.empty());

    // L from 0.1 to 0.4, as the parameter dialog would leave it: wn = 50, zeta = 0.25.
    main->core().model_window(1)->window.model.objs[3].parameters = "0.4";
    window->sync();
    ASSERT_EQ(eq.snapshot().poles.size(), 2u);
    EXPECT_NEAR(eq.snapshot().poles[0].wn, 50, 1e-9);
    EXPECT_NEAR(eq.snapshot().poles[0].zeta, 0.25, 1e-9);
    EXPECT_TRUE(has(eq.linear_text()->toPlainText(), "0.25"));

    // Undo Causality greys them and names the bond; closed, the window waits,
    // and opened again it has followed.
    const QString before = eq.equations_text()->toPlainText();
    item("&Run > &Undo Causality ")->trigger();
    settle();
    EXPECT_TRUE(eq.snapshot().stale);
    EXPECT_EQ(eq.snapshot().bond_without_causality, 1);
    EXPECT_TRUE(has(eq.message()->text(), "Bond 1 has no causality"));
    EXPECT_FALSE(eq.equations_text()->isEnabled());
    EXPECT_EQ(eq.equations_text()->toPlainText(), before);
    eq.close();
    item("&Run > &Assign && Check Causality")->trigger();
    settle();
    EXPECT_TRUE(eq.snapshot().stale);
    item("&Run > State E&quations...")->trigger();
    settle();
    EXPECT_EQ(window->equations_window(), &eq);
    EXPECT_FALSE(eq.snapshot().stale);
    EXPECT_TRUE(eq.equations_text()->isEnabled());
    EXPECT_FALSE(eq.message()->isVisible());
}

// What the derivation made of derivative causality and algebraic loops; the
// elements in derivative causality are selected and named in the status bar.
TEST_F(StateEquations, SayWhatTheDerivationMadeOfDerivativeCausalityAndLoops) {
    const std::pair<const char*, const char*> cases[] = {
        {"two_capacitors.bgf", "Derivative causality: element"},
        {"algebraic_loop.bgf", "Algebraic loop through elements"},
    };
    for (const auto& [model, note] : cases) {
        open(VANTOR_DATA_DIR, example(model));
        item("&Run > &Assign && Check Causality")->trigger();
        item("&Run > State E&quations...")->trigger();
        settle();
        const shell::EquationsWindow* eq = window->equations_window();
        ASSERT_NE(eq, nullptr) << model;
        EXPECT_FALSE(eq->snapshot().stale) << eq->snapshot().problem;
        EXPECT_TRUE(has(eq->message()->text(), note)) << eq->message()->text().toStdString();
    }
    open(VANTOR_DATA_DIR, example("two_capacitors.bgf"));
    item("&Run > &Assign && Check Causality")->trigger();
    EXPECT_EQ(window->statusBar()->currentMessage(), "In derivative causality: 6 (C2)");
}

TEST_F(StateEquations, ALargeModelIsDerivedBesideTheWindowAndShownWhenDone) {
    open("", example("series_rlc.bgf"));
    item("&Run > &Assign && Check Causality")->trigger();
    settle();
    // Every model counts as large here: the derivation runs on its own thread.
    shell::EquationsWindow eq(ports, {}, nullptr, 0);
    eq.follow(state().model);
    EXPECT_TRUE(has(eq.message()->text(), "Deriving"));
    for (int i = 0; i < 600 && (eq.deriving() || !eq.snapshot().has_equations); ++i) {
        QApplication::processEvents();
        QThread::msleep(10);
    }
    ASSERT_TRUE(eq.snapshot().has_equations);
    EXPECT_FALSE(has(eq.message()->text(), "Deriving"));
    EXPECT_TRUE(has(eq.equations_text()->toPlainText(), "dq6/dt"));
    EXPECT_EQ(eq.bode_input()->count(), 1);
}

}  // namespace
}  // namespace vantor::test
