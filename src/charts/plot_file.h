#pragma once

#include <optional>
#include <string>

#include "app/simulation_run.h"

namespace vantor::charts {

enum class PlotFileFormat { kPng, kSvg };

// The format a plot file's name asks for by its extension (any case):
// .png or .svg; nothing for any other name.
std::optional<PlotFileFormat> plot_file_format_of(const std::string& path);

// Each plot's chart is this big in a plot file, the charts stacked top to
// bottom.
inline constexpr int kPlotFileWidth = 800;
inline constexpr int kPlotFileChartHeight = 360;

// The run's charts as one picture. Needs a QApplication.
std::string plot_file_bytes(const SimulationRun& run, PlotFileFormat format);

// Writes the run's charts to `path` in the format its extension names, whole
// or not at all (save_file). Needs a QApplication. Throws FileError when the
// name is neither .png nor .svg, the run has nothing to plot or the file
// cannot be written.
void write_plot_file(const SimulationRun& run, const std::string& path);

}  // namespace vantor::charts
