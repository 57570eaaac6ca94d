#pragma once

// The "Simulating..." dialog of a model window's run. It exists only once
// the run has started and gone on for a while: a run refused before it
// starts shows its message alone, with no dialog appearing over it later.

#include <QElapsedTimer>
#include <memory>

class QProgressDialog;
class QWidget;

namespace vantor::shell {

class SimulationProgress {
  public:
    explicit SimulationProgress(QWidget* parent);
    ~SimulationProgress();
    SimulationProgress(const SimulationProgress&) = delete;
    SimulationProgress& operator=(const SimulationProgress&) = delete;

    // The run's progress callback: shows the dialog half a second into the
    // run, lets the window repaint, and answers false once Cancel was pressed.
    bool report(double fraction);

    bool shown() const { return dialog_ != nullptr; }

  private:
    QWidget* parent_;
    QElapsedTimer started_;
    std::unique_ptr<QProgressDialog> dialog_;
};

}  // namespace vantor::shell
