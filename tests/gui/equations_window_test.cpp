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
#include <QTableWidget>
#include <QTextBrowser>
#include <QThread>
#include <QValueAxis>
#include <cmath>

#include "gui/model_window_session.h"
#include "shell/equations_window.h"

namespace vantor::test {
namespace {

using shell::EquationsWindow;

struct StateEquations : ModelWindowSession {
    // The series RLC (L = 0.1, C = 1e-3, R = 10) with its causality, and its equations open.
    EquationsWindow& open_rlc() {
        open("", example("series_rlc.bgf"));
        item("&Run > &Assign && Check Causality")->trigger();
        settle();
        item("&Run > State E&quations...")->trigger();
        settle();
        EquationsWindow* shown = window->equations_window();
        EXPECT_NE(shown, nullptr);
        return *shown;
    }
    // The row of the table that names `name`.
    int row_of(const EquationsWindow& w, const QString& name) {
        for (int r = 0; r < w.variables()->rowCount(); ++r) {
            if (w.variables()->item(r, 1)->text() == name) return r;
        }
        ADD_FAILURE() << "no row " << name.toStdString();
        return 0;
    }
};

TEST_F(StateEquations, ShowTheTwoEquationsAndTheirVariables) {
    EquationsWindow& eq = open_rlc();
    EXPECT_TRUE(eq.isVisible());
    EXPECT_EQ(eq.windowTitle(), "State Equations - series_rlc");
    const QSize room = eq.screen()->availableGeometry().size();
    EXPECT_LE(eq.width(), room.width());
    EXPECT_LE(eq.height(), room.height());
    EXPECT_FALSE(eq.snapshot().stale);
    const QString text = eq.equations_text()->toPlainText();
    // dp3/dt = Se - R p3/I - q6/C and dq6/dt = p3/I, as the plain text reads the HTML.
    EXPECT_NE(text.indexOf("dp3/dt"), -1) << text.toStdString();
    EXPECT_NE(text.indexOf("dq6/dt"), -1) << text.toStdString();
    ASSERT_EQ(eq.snapshot().states, 2u);
    EXPECT_TRUE(eq.equations_text()->isEnabled());

    eq.set_numeric(true);
    EXPECT_NE(eq.equations_text()->toPlainText().indexOf("1000"), -1)  // 1/C
        << eq.equations_text()->toPlainText().toStdString();

    // Kind, name, element: states, inputs, outputs, parameters.
    const std::pair<const char*, const char*> rows[] = {
        {"p3", "I (3)"}, {"q6", "C (6)"}, {"Se", "Se (1)"}, {"R", "R (4)"}};
    for (const auto& [name, element] : rows) {
        const int r = row_of(eq, name);
        EXPECT_EQ(eq.variables()->item(r, 2)->text().simplified(), QString(element).simplified())
            << name;
    }
    // The poles of L C s^2 + R C s + 1: wn = 100 rad/s, zeta = 0.5.
    const QString linear = eq.linear_text()->toPlainText();
    EXPECT_NE(linear.indexOf("100"), -1) << linear.toStdString();
    EXPECT_NE(linear.indexOf("0.5"), -1) << linear.toStdString();
    eq.grab().save(render_path(QStringLiteral("state-equations")));
}

TEST_F(StateEquations, SayWhatTheDerivationMadeOfDerivativeCausalityAndLoops) {
    const std::pair<const char*, const char*> cases[] = {
        {"two_capacitors.bgf", "Derivative causality: element"},
        {"algebraic_loop.bgf", "Algebraic loop through elements"},
    };
    for (const auto& [model, note] : cases) {
        open("", example(model));
        item("&Run > &Assign && Check Causality")->trigger();
        item("&Run > State E&quations...")->trigger();
        settle();
        const EquationsWindow* eq = window->equations_window();
        ASSERT_NE(eq, nullptr) << model;
        EXPECT_FALSE(eq->snapshot().stale) << eq->snapshot().problem;
        EXPECT_NE(eq->message()->text().indexOf(note), -1)
            << model << ": " << eq->message()->text().toStdString();
    }
}

TEST_F(StateEquations, ARowSelectsItsElementInTheModelWindow) {
    EquationsWindow& eq = open_rlc();
    for (const auto& [name, element] : {std::pair{"q6", 6}, {"R", 4}, {"p3", 3}}) {
        eq.variables()->selectRow(row_of(eq, name));
        settle();
        for (int n = 1; n <= state().model.nobj; ++n) {
            EXPECT_EQ(state().model.objs[static_cast<std::size_t>(n)].selected != 0, n == element)
                << name << " element " << n;
        }
    }
    eq.pages()->setCurrentIndex(1);
    eq.grab().save(render_path(QStringLiteral("state-equations-variables")));
    // Selecting changes no model: the equations are not derived again, nor greyed.
    EXPECT_FALSE(eq.snapshot().stale);
}

TEST_F(StateEquations, TheBodePlotIsLogFrequencyInDbAroundTheCorner) {
    EquationsWindow& eq = open_rlc();
    eq.choose_bode(0, 0);  // Se to the scope (the capacitor's voltage)
    QChart* magnitude = eq.magnitude_view()->chart();
    auto* frequency = qobject_cast<QLogValueAxis*>(magnitude->axes(Qt::Horizontal).value(0));
    ASSERT_NE(frequency, nullptr);
    auto* db = qobject_cast<QValueAxis*>(magnitude->axes(Qt::Vertical).value(0));
    ASSERT_NE(db, nullptr);
    EXPECT_EQ(db->titleText(), "Magnitude (dB)");
    auto* phase = qobject_cast<QValueAxis*>(eq.phase_view()->chart()->axes(Qt::Vertical).value(0));
    ASSERT_NE(phase, nullptr);
    EXPECT_EQ(phase->titleText(), "Phase (deg)");
    const double corner = 1 / std::sqrt(0.1 * 1e-3);
    EXPECT_LT(frequency->min(), corner / 5);
    EXPECT_GT(frequency->max(), corner * 5);

    // A second-order low pass: 0 dB below the corner, -40 dB a decade per decade above,
    // -90 degrees at the corner, where zeta = 0.5 gives |H| = 1/(2 zeta) = 0 dB.
    const auto* line = static_cast<QLineSeries*>(magnitude->series().front());
    const auto* angle = static_cast<QLineSeries*>(eq.phase_view()->chart()->series().front());
    ASSERT_GT(line->count(), 100);
    EXPECT_NEAR(line->at(0).y(), 0, 0.1);
    EXPECT_NEAR(line->at(line->count() - 1).y(),
                -40 * std::log10(line->at(line->count() - 1).x() / corner), 0.5);
    int nearest = 0;
    for (int i = 0; i < angle->count(); ++i) {
        if (std::abs(std::log(angle->at(i).x() / corner)) <
            std::abs(std::log(angle->at(nearest).x() / corner)))
            nearest = i;
    }
    EXPECT_NEAR(angle->at(nearest).y(), -90, 2);
    eq.pages()->setCurrentIndex(3);
    eq.grab().save(render_path(QStringLiteral("state-equations-bode")));
    eq.pages()->setCurrentIndex(2);
    eq.grab().save(render_path(QStringLiteral("state-equations-linear")));
    eq.show_readout(corner);
    EXPECT_TRUE(eq.readout().startsWith("w = ")) << eq.readout().toStdString();
}

TEST_F(StateEquations, CopyAndSaveWriteTheFormats) {
    EquationsWindow& eq = open_rlc();
    ASSERT_TRUE(eq.copy_latex());
    const QString latex = QApplication::clipboard()->text();
    EXPECT_NE(latex.indexOf("\\begin{align"), -1) << latex.toStdString();
    ASSERT_TRUE(eq.copy_matlab());
    EXPECT_NE(QApplication::clipboard()->text().indexOf("ss(A"), -1);

    const std::string json = dir.filePath("rlc.json").toStdString();
    ports.files = {json};
    ASSERT_TRUE(eq.save_as());
    const std::string written = file_text(json);
    EXPECT_EQ(written.rfind("{", 0), 0u) << written;
    EXPECT_NE(written.find("\"linear\": true"), std::string::npos) << written;
    ports.files = {std::nullopt};  // cancelled
    EXPECT_FALSE(eq.save_as());
    EXPECT_TRUE(ports.messages.empty() || ports.messages.size() == 1u);  // Assign's only
}

TEST_F(StateEquations, ThePolesMoveWithAParameter) {
    EquationsWindow& eq = open_rlc();
    ASSERT_EQ(eq.snapshot().poles.size(), 2u);
    EXPECT_NEAR(eq.snapshot().poles[0].wn, 100, 1e-9);
    // L from 0.1 to 0.4, as the parameter dialog would leave it: wn = 1/sqrt(L C) = 50,
    // zeta = R/2 sqrt(C/L) = 0.25.
    main->core().model_window(1)->window.model.objs[3].parameters = "0.4";
    window->sync();
    ASSERT_EQ(eq.snapshot().poles.size(), 2u);
    EXPECT_NEAR(eq.snapshot().poles[0].wn, 50, 1e-9);
    EXPECT_NEAR(eq.snapshot().poles[0].zeta, 0.25, 1e-9);
    EXPECT_NE(eq.linear_text()->toPlainText().indexOf("0.25"), -1);
}

TEST_F(StateEquations, UndoCausalityGreysThemAndNamesTheBond) {
    EquationsWindow& eq = open_rlc();
    const QString before = eq.equations_text()->toPlainText();
    item("&Run > &Undo Causality ")->trigger();
    settle();
    EXPECT_TRUE(eq.snapshot().stale);
    EXPECT_EQ(eq.snapshot().bond_without_causality, 1);
    EXPECT_NE(eq.message()->text().indexOf("Bond 1 has no causality"), -1)
        << eq.message()->text().toStdString();
    EXPECT_FALSE(eq.equations_text()->isEnabled());
    EXPECT_EQ(eq.equations_text()->toPlainText(), before);

    // Closed, the window waits; opened again, it has followed: assigned
    // again, the equations are the model's once more.
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

TEST_F(StateEquations, ALargeModelIsDerivedBesideTheWindowAndShownWhenDone) {
    open("", example("series_rlc.bgf"));
    item("&Run > &Assign && Check Causality")->trigger();
    settle();
    // Every model counts as large here: the derivation runs on its own thread.
    EquationsWindow eq(ports, {}, nullptr, 0);
    eq.follow(state().model);
    EXPECT_NE(eq.message()->text().indexOf("Deriving"), -1) << eq.message()->text().toStdString();
    for (int i = 0; i < 600 && (eq.deriving() || !eq.snapshot().has_equations); ++i) {
        QApplication::processEvents();
        QThread::msleep(10);
    }
    ASSERT_TRUE(eq.snapshot().has_equations);
    EXPECT_EQ(eq.message()->text().indexOf("Deriving"), -1);
    EXPECT_NE(eq.equations_text()->toPlainText().indexOf("dq6/dt"), -1);
    EXPECT_EQ(eq.bode_input()->count(), 1);
}

}  // namespace
}  // namespace vantor::test
