// The run as CSV, for vantor-cli simulate and the simulation window's export.
#include "app/simulation_run.h"

#include <charconv>

namespace vantor {

namespace {

// A CSV field: quoted when it holds a comma, a quote or a line break.
std::string csv_field(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

void append_number(std::string& out, double value) {
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, error == std::errc() ? end : buffer);
}

}  // namespace

std::string simulation_csv(const SimulationRun& run) {
    std::string csv = "t";
    std::vector<const std::vector<double>*> columns;
    for (const Plot& plot : run.plots) {
        for (const PlotSignal& signal : plot.signals) {
            csv += "," + csv_field(signal.column);
            columns.push_back(&signal.values);
        }
    }
    csv += "\n";
    for (std::size_t row = 0; row < run.time.size(); ++row) {
        append_number(csv, run.time[row]);
        for (const std::vector<double>* column : columns) {
            csv += ',';
            if (row < column->size()) append_number(csv, (*column)[row]);
        }
        csv += "\n";
    }
    return csv;
}

}  // namespace vantor
