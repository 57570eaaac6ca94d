#pragma once

#include <QMainWindow>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/simulation_run.h"

class QChartView;
class QLabel;
class QVBoxLayout;

namespace vantor {
class Ports;
}

namespace vantor::shell {

class SimulationCsvFile;

// The charts of a model window's last run, one under another: drag a
// rectangle to zoom, right click or double click to see the whole run again.
// The status bar reads the signals under the pointer. The run can be saved
// as CSV, PNG or SVG through the file dialogs of `ports`.
class SimulationWindow : public QMainWindow {
    Q_OBJECT

  public:
    explicit SimulationWindow(Ports& ports, QWidget* parent = nullptr);

    // The model the runs are of: its caption names the window and the files
    // proposed for export, which start in `folder`.
    void set_model(const std::string& caption, const std::string& folder);

    // Replaces the charts with the run's; `csv`, when given, holds every row
    // of it, which the export copies and zooming reads back.
    void show_run(const SimulationRun& run, std::shared_ptr<const SimulationCsvFile> csv = {});

    const SimulationRun& run() const { return *run_; }
    QList<QChartView*> chart_views() const;

    // The readout of chart `plot` at time `t`, as the pointer gives it.
    void show_readout(std::size_t plot, double t);
    QString readout() const;

    // The File menu's exports; false when cancelled or the file could not
    // be written, which is reported.
    bool export_csv();
    bool export_png();
    bool export_svg();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void build_menu();
    std::function<bool(double, double, std::vector<double>&, std::vector<std::vector<double>>&)>
    row_reader() const;
    void update_title();
    template <typename Write>
    bool export_file(const char* title, const char* filter, const char* extension, Write write);

    Ports& ports_;
    std::string caption_;
    std::string folder_;
    std::shared_ptr<const SimulationRun> run_;
    std::shared_ptr<const SimulationCsvFile> csv_;
    QVBoxLayout* charts_;
    QLabel* readout_;
};

// "t = 0.25   De (3) = 1.5   ...": the sample of chart `plot` nearest to `t`.
QString readout_text(const SimulationRun& run, std::size_t plot, double t);

}  // namespace vantor::shell
