#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <string>

namespace vantor {
class MainWindow;
class RecoveryDialogPort;
class RecoveryKeeper;
}  // namespace vantor

namespace vantor::shell {

// The editor's side of the recovery copies: the timer after which every
// model window with unsaved changes writes its copy (VANTOR_RECOVERY_SECONDS
// shortens it), and the window events the keeper follows.
class ModelRecovery : public QObject {
  public:
    ModelRecovery(RecoveryKeeper& keeper, MainWindow& main, QObject* parent = nullptr);

    void opened(int k);
    void closed(int k);
    void changed(int k);
    // The interval passed: every open window writes its copy, if it has changes.
    void tick();
    // The copies a previous run left behind, offered through `dialog`.
    void offer(RecoveryDialogPort& dialog);

    int interval_milliseconds() const { return timer_.interval(); }

    // Told when window k's copy could not be written, and why.
    void report_failures(std::function<void(int k, const std::string& why)> report) {
        report_ = std::move(report);
    }

  private:
    void failed(int k);

    RecoveryKeeper& keeper_;
    MainWindow& main_;
    QTimer timer_;
    std::function<void(int, const std::string&)> report_;
};

}  // namespace vantor::shell
