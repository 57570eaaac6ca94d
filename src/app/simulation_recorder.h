#pragma once

// Takes a run's rows as they are computed: writes them as CSV, when asked,
// and keeps a display-thinned copy for the charts, so that memory does not
// grow with the run's length.

#include <functional>
#include <optional>
#include <ostream>

#include "app/simulation_csv.h"
#include "app/simulation_plots.h"
#include "app/simulation_run.h"
#include "app/thinned_rows.h"
#include "model/model.h"
#include "sim/diagram.h"
#include "sim/simulation.h"

namespace vantor {

// Stretches of the charts' copy (see ThinnedRows): some thousands of rows,
// more than a chart shows across a screen.
inline constexpr std::size_t kDisplayStretches = 1000;

class SimulationRecorder : public sim::RowSink {
  public:
    // `open_csv`, when given, is asked once, as the run starts, where the CSV
    // goes; it may give nothing.
    SimulationRecorder(const Model& model, const sim::Diagram& diagram,
                       std::function<std::ostream*()> open_csv,
                       std::size_t display_stretches = kDisplayStretches);

    void begin(const std::vector<sim::RecordedSignal>& signals) override;
    void row(double t, std::span<const double> values) override;

    // The charts' copy of what was recorded, into run.time and run.plots.
    void finish(SimulationRun& run) const;

  private:
    const Model& model_;
    const sim::Diagram& diagram_;
    std::function<std::ostream*()> open_csv_;
    std::size_t display_stretches_;
    PlotLayout layout_;
    std::optional<ThinnedRows> thinned_;
    std::optional<CsvRowWriter> csv_;
    std::vector<double> row_;
};

}  // namespace vantor
