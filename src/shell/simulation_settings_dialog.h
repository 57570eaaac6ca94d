#pragma once

#include <QDialog>
#include <QString>
#include <optional>

#include "app/simulation_run.h"

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;

namespace vantor::shell {

// What the settings dialog's fields hold.
struct SettingsTexts {
    QString stop_time;
    bool fixed_step_solver = false;
    QString fixed_step;
    QString relative_tolerance;
    QString absolute_tolerance;
};

// The settings the texts give, or why they give none. A field the chosen
// solver does not use (the step for the adaptive one, the tolerances for the
// fixed one) cannot make the texts invalid: while it is unreadable it keeps
// its value from `before`.
struct SettingsCheck {
    std::optional<SimulationSettings> settings;
    QString hint;  // empty when valid
};
SettingsCheck check_settings(const SettingsTexts& texts, const SimulationSettings& before);

// Run > Simulation Settings: the engine, the stop time, the solver and its
// step or tolerances. OK stays off, with a hint saying why, while a field is invalid.
class SimulationSettingsDialog : public QDialog {
  public:
    SimulationSettingsDialog(const SimulationSettings& settings, QWidget* parent = nullptr);

    // The settings as entered; meaningful while the fields are valid.
    SimulationSettings settings() const;

  private:
    SettingsTexts texts() const;
    void recheck();

    SimulationSettings before_;
    QComboBox* engine_;
    QLineEdit* stop_time_;
    QComboBox* solver_;
    QLineEdit* fixed_step_;
    QLineEdit* relative_tolerance_;
    QLineEdit* absolute_tolerance_;
    QLabel* hint_;
    QDialogButtonBox* buttons_;
};

// Shows the dialog over `parent`; true, with `settings` changed, on OK.
bool edit_simulation_settings(QWidget* parent, SimulationSettings& settings);

}  // namespace vantor::shell
