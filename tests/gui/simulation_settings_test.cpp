#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "shell/simulation_settings_dialog.h"

namespace vantor::test {
namespace {

using shell::SettingsTexts;

TEST(SimulationSettings, OnlyPositiveFiniteNumbersTheSolverUsesAreChecked) {
    struct Case {
        SettingsTexts texts;
        bool valid;
    };
    const Case cases[] = {
        {{"", false, "", "1e-3", "1e-6"}, true},
        {{" 10 ", true, "0.01", "1e-3", "1e-6"}, true},
        {{"0", false, "", "1e-3", "1e-6"}, false},
        {{"-1", false, "", "1e-3", "1e-6"}, false},
        {{"inf", false, "", "1e-3", "1e-6"}, false},
        {{"1,5", false, "", "1e-3", "1e-6"}, false},
        {{"", false, "", "nan", "1e-6"}, false},
        {{"", false, "", "1e-3", ""}, false},
        {{"", true, "abc", "1e-3", "1e-6"}, false},
        {{"1", true, "2", "1e-3", "1e-6"}, false},  // a step longer than the run
        {{"1", true, "1", "1e-3", "1e-6"}, true},
        {{"", true, "2", "1e-3", "1e-6"}, true},    // the model's own stop time decides
        {{"1", false, "2", "1e-3", "1e-6"}, true},  // the adaptive solver takes no step
        {{"", false, "x", "1e-3", "1e-6"}, true},
        {{"", true, "", "", "x"}, true},                 // nor the fixed one tolerances
        {{"1e-322", false, "", "1e-3", "1e-6"}, false},  // subnormal: no run can count with it
        {{"1", true, "4e-320", "1e-3", "1e-6"}, false},
        {{"10", true, "1e-7", "1e-3", "1e-6"}, false},  // 10^8 + 1 rows: one too many
        {{"10", true, "2e-7", "1e-3", "1e-6"}, true},
        {{"", true, "1e-12", "1e-3", "1e-6"}, true},  // the run counts with the model's time
    };
    for (const Case& c : cases) {
        const shell::SettingsCheck check = shell::check_settings(c.texts, SimulationSettings{});
        EXPECT_EQ(check.settings.has_value(), c.valid)
            << c.texts.stop_time.toStdString() << " | " << c.texts.fixed_step.toStdString() << " | "
            << c.texts.relative_tolerance.toStdString() << " | "
            << c.texts.absolute_tolerance.toStdString();
        EXPECT_EQ(check.hint.isEmpty(), c.valid);
    }

    EXPECT_EQ(shell::check_settings({"10", true, "1e-8", "", ""}, SimulationSettings{}).hint,
              "This step makes 1000000001 rows, more than the limit of 100000000.");

    SimulationSettings before;
    before.fixed_step = 0.5;
    const shell::SettingsCheck kept =
        shell::check_settings({"2", false, "junk", "1e-4", "1e-8"}, before);
    ASSERT_TRUE(kept.settings);
    EXPECT_EQ(kept.settings->stop_time, 2.0);
    EXPECT_EQ(kept.settings->solver, sim::SolverKind::kAdaptive);
    EXPECT_EQ(kept.settings->fixed_step, 0.5);  // unreadable but unused: kept
    EXPECT_EQ(kept.settings->relative_tolerance, 1e-4);
    EXPECT_EQ(kept.settings->absolute_tolerance, 1e-8);
}

TEST(SimulationSettings, TheDialogHoldsOkBackWhileAFieldIsInvalid) {
    SimulationSettings start;
    start.solver = sim::SolverKind::kFixed;
    start.stop_time = 5;
    shell::SimulationSettingsDialog dialog(start);
    auto* stop = dialog.findChild<QLineEdit*>("stop_time");
    auto* step = dialog.findChild<QLineEdit*>("fixed_step");
    auto* solver = dialog.findChild<QComboBox*>("solver");
    auto* hint = dialog.findChild<QLabel*>("hint");
    QPushButton* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    ASSERT_TRUE(stop && step && solver && hint && ok);
    EXPECT_EQ(stop->text(), "5");
    EXPECT_EQ(solver->currentText(), "Fixed step (RK4)");
    EXPECT_TRUE(ok->isEnabled());

    step->setText("6");
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_EQ(hint->text(), "The fixed step must not be longer than the stop time.");
    solver->setCurrentIndex(0);  // the step no longer counts
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_FALSE(step->isEnabled());
    EXPECT_TRUE(hint->text().isEmpty());

    stop->clear();
    const SimulationSettings chosen = dialog.settings();
    EXPECT_FALSE(chosen.stop_time.has_value());
    EXPECT_EQ(chosen.solver, sim::SolverKind::kAdaptive);
    EXPECT_EQ(chosen.fixed_step, 6.0);
}

TEST(SimulationSettings, TheEngineIsTheDiagramUnlessTheEquationsAreChosen) {
    shell::SimulationSettingsDialog dialog{SimulationSettings{}};
    auto* engine = dialog.findChild<QComboBox*>("engine");
    ASSERT_TRUE(engine);
    ASSERT_EQ(engine->count(), 2);
    EXPECT_EQ(engine->currentText(), "the generated diagram");
    EXPECT_EQ(dialog.settings().engine, SimulationEngine::kDiagram);
    engine->setCurrentIndex(1);
    EXPECT_EQ(engine->currentText(), "the state equations");
    EXPECT_EQ(dialog.settings().engine, SimulationEngine::kEquations);

    SimulationSettings equations;
    equations.engine = SimulationEngine::kEquations;
    shell::SimulationSettingsDialog again(equations);
    EXPECT_EQ(again.findChild<QComboBox*>("engine")->currentIndex(), 1);
}

}  // namespace
}  // namespace vantor::test
