#include "shell/simulation_progress.h"

#include <QCoreApplication>
#include <QProgressDialog>
#include <algorithm>

namespace vantor::shell {

namespace {

// A run shorter than this shows no dialog at all.
constexpr qint64 kShowAfterMs = 500;
constexpr int kSteps = 1000;

}  // namespace

SimulationProgress::SimulationProgress(QWidget* parent) : parent_(parent) {
    started_.start();
}

SimulationProgress::~SimulationProgress() = default;

bool SimulationProgress::report(double fraction) {
    if (dialog_ == nullptr && started_.elapsed() >= kShowAfterMs) {
        // Made here, not before the run: a QProgressDialog shows itself a few
        // seconds after it is made, even over a refusal's message.
        dialog_ = std::make_unique<QProgressDialog>(QStringLiteral("Simulating..."),
                                                    QStringLiteral("Cancel"), 0, kSteps, parent_);
        // Nothing else may reach the model or close its window while it runs.
        dialog_->setWindowModality(Qt::ApplicationModal);
        dialog_->setMinimumDuration(0);
        dialog_->setAutoClose(false);
        dialog_->setAutoReset(false);
    }
    if (dialog_ != nullptr) {
        dialog_->setValue(static_cast<int>(std::clamp(fraction, 0.0, 1.0) * kSteps));
    }
    // Until the dialog shows, input waits: it would act on a model in mid-run.
    const bool visible = dialog_ != nullptr && dialog_->isVisible();
    QCoreApplication::processEvents(visible ? QEventLoop::AllEvents
                                            : QEventLoop::ExcludeUserInputEvents);
    return dialog_ == nullptr || !dialog_->wasCanceled();
}

}  // namespace vantor::shell
