#include "shell/model_recovery.h"

#include <cstdlib>

#include "app/main_window.h"
#include "app/recovery_keeper.h"

namespace vantor::shell {

ModelRecovery::ModelRecovery(RecoveryKeeper& keeper, MainWindow& main, QObject* parent)
    : QObject(parent), keeper_(keeper), main_(main) {
    timer_.setInterval(recovery_interval_seconds(std::getenv(kRecoverySecondsVariable)) * 1000);
    connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
    timer_.start();
}

void ModelRecovery::opened(int k) {
    keeper_.opened(k);
}

void ModelRecovery::closed(int k) {
    keeper_.closed(k);
}

void ModelRecovery::changed(int k) {
    const ModelDocument* document = main_.model_window(k);
    if (document != nullptr && !keeper_.changed(k, *document)) failed(k);
}

void ModelRecovery::tick() {
    for (int k = 1; k <= kMaxModelWindows; ++k) {
        if (!main_.is_open(k)) continue;
        const ModelDocument* document = main_.model_window(k);
        if (document != nullptr && !keeper_.tick(k, *document)) failed(k);
    }
}

void ModelRecovery::failed(int k) {
    if (report_) report_(k, keeper_.last_error());
}

void ModelRecovery::offer(RecoveryDialogPort& dialog) {
    offer_recovery(keeper_, main_, dialog);
}

}  // namespace vantor::shell
