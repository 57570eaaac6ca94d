#include "app/simulation_recorder.h"

namespace vantor {

SimulationRecorder::SimulationRecorder(const Model& model, const sim::Diagram& diagram,
                                       std::function<std::ostream*()> open_csv,
                                       std::size_t display_stretches)
    : model_(model),
      diagram_(diagram),
      open_csv_(std::move(open_csv)),
      display_stretches_(display_stretches) {}

void SimulationRecorder::begin(const std::vector<sim::RecordedSignal>& signals) {
    layout_ = plot_layout(model_, diagram_, signals);
    thinned_.emplace(layout_.sources.size(), display_stretches_);
    row_.resize(layout_.sources.size());
    std::ostream* out = open_csv_ ? open_csv_() : nullptr;
    if (out == nullptr) return;
    std::vector<std::string> headings;
    for (const Plot& plot : layout_.plots) {
        for (const PlotSignal& signal : plot.signals) headings.push_back(signal.column);
    }
    csv_.emplace(*out, headings);
}

void SimulationRecorder::row(double t, std::span<const double> values) {
    for (std::size_t k = 0; k < row_.size(); ++k) row_[k] = values[layout_.sources[k]];
    if (csv_) csv_->row(t, row_);
    thinned_->add(t, row_);
}

void SimulationRecorder::finish(SimulationRun& run) const {
    run.plots = layout_.plots;
    run.time.clear();
    if (!thinned_) return;
    std::vector<std::vector<double>> columns;
    thinned_->take(run.time, columns);
    std::size_t c = 0;
    for (Plot& plot : run.plots) {
        for (PlotSignal& signal : plot.signals) signal.values = std::move(columns[c++]);
    }
}

}  // namespace vantor
