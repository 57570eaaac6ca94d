// The Bode page of the State Equations window.
#include <QChart>
#include <QComboBox>
#include <QLabel>
#include <algorithm>
#include <cmath>

#include "charts/bode_chart.h"
#include "shell/bode_view.h"
#include "shell/equations_window.h"

namespace vantor::shell {

namespace eq = equations;

namespace {

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

QString number(double value) {
    return QString::number(value, 'g', 6);
}

}  // namespace

void EquationsWindow::fill_bode_choices() {
    filling_ = true;
    const int input = input_->currentIndex();
    const int output = output_->currentIndex();
    input_->clear();
    output_->clear();
    for (const std::string& u : snapshot().inputs) input_->addItem(qt(u));
    for (const std::string& y : snapshot().outputs) output_->addItem(qt(y));
    // The choice stays while the lists still reach it.
    if (input >= 0 && input < input_->count()) input_->setCurrentIndex(input);
    if (output >= 0 && output < output_->count()) output_->setCurrentIndex(output);
    filling_ = false;
}

void EquationsWindow::choose_bode(int input, int output) {
    filling_ = true;
    input_->setCurrentIndex(input);
    output_->setCurrentIndex(output);
    filling_ = false;
    update_bode();
}

void EquationsWindow::update_bode() {
    bode_.clear();
    const EquationsSnapshot& shown = snapshot();
    QString title;
    QString transfer;
    if (input_->currentIndex() >= 0 && output_->currentIndex() >= 0) {
        const auto input = static_cast<std::size_t>(input_->currentIndex());
        const auto output = static_cast<std::size_t>(output_->currentIndex());
        if (auto points = bode_of(shown, input, output)) {
            bode_ = std::move(*points);
            title = output_->currentText() + QStringLiteral(" / ") + input_->currentText();
        }
        transfer = qt(transfer_html(shown, input, output));
    }
    if (title.isEmpty() && shown.has_equations) {
        title =
            shown.linear ? qt(shown.numeric_problem) : QStringLiteral("Not linear: no Bode plot");
    }
    transfer_->setText(transfer);
    transfer_->setVisible(!transfer.isEmpty());
    replace_chart(*magnitude_, charts::make_bode_chart(bode_, charts::BodePart::kMagnitude, title));
    replace_chart(*phase_, charts::make_bode_chart(bode_, charts::BodePart::kPhase, QString()));
    readout_->clear();
}

void EquationsWindow::show_readout(double w) {
    if (bode_.empty()) return;
    const auto nearest =
        std::min_element(bode_.begin(), bode_.end(), [w](const auto& a, const auto& b) {
            return std::abs(std::log(a.w / w)) < std::abs(std::log(b.w / w));
        });
    readout_->setText(QStringLiteral("w = %1 rad/s   |H| = %2 dB   phase = %3 deg")
                          .arg(number(nearest->w), number(nearest->db), number(nearest->degrees)));
}

QString EquationsWindow::readout() const {
    return readout_->text();
}

}  // namespace vantor::shell
