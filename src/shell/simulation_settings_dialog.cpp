#include "shell/simulation_settings_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "sim/simulator.h"

namespace vantor::shell {

namespace {

// A positive normal number in the C locale ("0.01", "1e-3"), or nothing: a
// run cannot count with 0, a subnormal, an infinity or NaN.
std::optional<double> positive_number(const QString& text) {
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isnormal(value) || value <= 0) return std::nullopt;
    return value;
}

QString number_text(double value) {
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QString optional_text(const std::optional<double>& value) {
    return value ? number_text(*value) : QString();
}

// Reads an optional field: empty means nothing; false when unreadable.
bool read_optional(const QString& text, std::optional<double>& out) {
    if (text.trimmed().isEmpty()) {
        out.reset();
        return true;
    }
    const std::optional<double> value = positive_number(text);
    if (value) out = value;
    return value.has_value();
}

bool read_required(const QString& text, double& out) {
    const std::optional<double> value = positive_number(text);
    if (value) out = *value;
    return value.has_value();
}

QLineEdit* field(const char* name, const QString& text, const char* placeholder) {
    auto* edit = new QLineEdit(text);
    edit->setObjectName(QString::fromUtf8(name));
    edit->setPlaceholderText(QString::fromUtf8(placeholder));
    return edit;
}

}  // namespace

SettingsCheck check_settings(const SettingsTexts& texts, const SimulationSettings& before) {
    SimulationSettings s = before;
    s.solver = texts.fixed_step_solver ? sim::SolverKind::kFixed : sim::SolverKind::kAdaptive;
    const bool fixed = texts.fixed_step_solver;
    auto refuse = [](const char* hint) {
        return SettingsCheck{std::nullopt, QString::fromUtf8(hint)};
    };
    if (!read_optional(texts.stop_time, s.stop_time)) {
        return refuse("The stop time must be a positive number, or empty for the model's own.");
    }
    if (!read_optional(texts.fixed_step, s.fixed_step) && fixed) {
        return refuse(
            "The fixed step must be a positive number, or empty for a thousandth of "
            "the run.");
    }
    if (!read_required(texts.relative_tolerance, s.relative_tolerance) && !fixed) {
        return refuse("The relative tolerance must be a positive number.");
    }
    if (!read_required(texts.absolute_tolerance, s.absolute_tolerance) && !fixed) {
        return refuse("The absolute tolerance must be a positive number.");
    }
    if (fixed && s.fixed_step && s.stop_time && *s.fixed_step > *s.stop_time) {
        return refuse("The fixed step must not be longer than the stop time.");
    }
    // Without a stop time the run itself refuses a step that makes too many rows.
    if (fixed && s.fixed_step && s.stop_time) {
        const double rows = sim::fixed_step_rows(*s.stop_time, *s.fixed_step);
        if (rows > static_cast<double>(s.max_rows)) {
            return {std::nullopt,
                    QStringLiteral("This step makes %1 rows, more than the limit of %2.")
                        .arg(QString::fromStdString(sim::rows_text(rows)))
                        .arg(s.max_rows)};
        }
    }
    return {s, QString()};
}

SimulationSettingsDialog::SimulationSettingsDialog(const SimulationSettings& settings,
                                                   QWidget* parent)
    : QDialog(parent),
      before_(settings),
      engine_(new QComboBox),
      stop_time_(field("stop_time", optional_text(settings.stop_time), "the model's StopTime")),
      solver_(new QComboBox),
      fixed_step_(
          field("fixed_step", optional_text(settings.fixed_step), "a thousandth of the run")),
      relative_tolerance_(
          field("relative_tolerance", number_text(settings.relative_tolerance), "")),
      absolute_tolerance_(
          field("absolute_tolerance", number_text(settings.absolute_tolerance), "")),
      hint_(new QLabel),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel)) {
    setWindowTitle(QStringLiteral("Simulation Settings"));
    engine_->setObjectName(QStringLiteral("engine"));
    engine_->addItems(
        {QStringLiteral("the generated diagram"), QStringLiteral("the state equations")});
    engine_->setCurrentIndex(settings.engine == SimulationEngine::kEquations ? 1 : 0);
    solver_->setObjectName(QStringLiteral("solver"));
    solver_->addItems(
        {QStringLiteral("Adaptive (Dormand-Prince)"), QStringLiteral("Fixed step (RK4)")});
    solver_->setCurrentIndex(settings.solver == sim::SolverKind::kFixed ? 1 : 0);
    hint_->setObjectName(QStringLiteral("hint"));
    hint_->setWordWrap(true);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Engine:"), engine_);
    form->addRow(QStringLiteral("&Stop time (s):"), stop_time_);
    form->addRow(QStringLiteral("S&olver:"), solver_);
    form->addRow(QStringLiteral("&Fixed step (s):"), fixed_step_);
    form->addRow(QStringLiteral("&Relative tolerance:"), relative_tolerance_);
    form->addRow(QStringLiteral("&Absolute tolerance:"), absolute_tolerance_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(hint_);
    layout->addWidget(buttons_);

    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (QLineEdit* edit : {stop_time_, fixed_step_, relative_tolerance_, absolute_tolerance_}) {
        connect(edit, &QLineEdit::textChanged, this, [this] { recheck(); });
    }
    connect(solver_, &QComboBox::currentIndexChanged, this, [this] { recheck(); });
    recheck();
}

SettingsTexts SimulationSettingsDialog::texts() const {
    return {stop_time_->text(), solver_->currentIndex() == 1, fixed_step_->text(),
            relative_tolerance_->text(), absolute_tolerance_->text()};
}

SimulationSettings SimulationSettingsDialog::settings() const {
    SimulationSettings s = check_settings(texts(), before_).settings.value_or(before_);
    s.engine =
        engine_->currentIndex() == 1 ? SimulationEngine::kEquations : SimulationEngine::kDiagram;
    return s;
}

void SimulationSettingsDialog::recheck() {
    const bool fixed = solver_->currentIndex() == 1;
    fixed_step_->setEnabled(fixed);
    relative_tolerance_->setEnabled(!fixed);
    absolute_tolerance_->setEnabled(!fixed);
    const SettingsCheck check = check_settings(texts(), before_);
    hint_->setText(check.hint);
    hint_->setVisible(!check.hint.isEmpty());
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(check.settings.has_value());
}

bool edit_simulation_settings(QWidget* parent, SimulationSettings& settings) {
    SimulationSettingsDialog dialog(settings, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    settings = dialog.settings();
    return true;
}

}  // namespace vantor::shell
