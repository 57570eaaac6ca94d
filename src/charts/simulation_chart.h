#pragma once

#include <QList>
#include <QPointF>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "app/simulation_run.h"

class QChart;

namespace vantor::charts {

// One chart of a run: a line per signal, named by its legend, over time.
// Long runs are thinned for display (plot_points). The caller owns the chart.
QChart* make_plot_chart(const Plot& plot, const std::vector<double>& time);

// Reads back every row of a run from `from` to `to`, thinned to what a chart
// shows, one column per signal of every plot; false when it cannot.
using RowReader = std::function<bool(double from, double to, std::vector<double>& time,
                                     std::vector<std::vector<double>>& columns)>;

// Keeps a chart of make_plot_chart(run->plots[plot], run->time) sharp while
// it is zoomed: whenever its time axis changes, the lines are thinned anew
// from the samples in view. A run whose copy was thinned is read back
// through `read` when one is given, so that zooming in shows every step.
void refine_on_zoom(QChart& chart, std::shared_ptr<const SimulationRun> run, std::size_t plot,
                    RowReader read = {});

// The points a line draws for `values` along `time`. Samples that are not
// finite (a run stopped by a state going infinite) are left out. Beyond
// `max_points` the samples are thinned for display, keeping each stretch's
// first, lowest, highest and last sample so that no peak is lost.
QList<QPointF> plot_points(std::span<const double> time, std::span<const double> values,
                           std::size_t max_points);

// The sample nearest to time `t` in the ascending `time`; 0 when empty.
std::size_t nearest_sample(const std::vector<double>& time, double t);

}  // namespace vantor::charts
