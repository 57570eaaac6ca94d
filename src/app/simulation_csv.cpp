// The run as CSV, for vantor-cli simulate and the simulation window's export.
#include "app/simulation_csv.h"

#include <charconv>
#include <sstream>

#include "app/simulation_run.h"

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

CsvRowWriter::CsvRowWriter(std::ostream& out, const std::vector<std::string>& headings)
    : out_(out) {
    line_ = "t";
    for (const std::string& heading : headings) line_ += "," + csv_field(heading);
    line_ += "\n";
    out_.write(line_.data(), static_cast<std::streamsize>(line_.size()));
}

void CsvRowWriter::row(double t, std::span<const double> values) {
    line_.clear();
    append_number(line_, t);
    for (double value : values) {
        line_ += ',';
        append_number(line_, value);
    }
    line_ += '\n';
    out_.write(line_.data(), static_cast<std::streamsize>(line_.size()));
}

std::string simulation_csv(const SimulationRun& run) {
    std::vector<std::string> headings;
    std::vector<const std::vector<double>*> columns;
    for (const Plot& plot : run.plots) {
        for (const PlotSignal& signal : plot.signals) {
            headings.push_back(signal.column);
            columns.push_back(&signal.values);
        }
    }
    std::ostringstream csv;
    CsvRowWriter writer(csv, headings);
    std::vector<double> values(columns.size());
    for (std::size_t row = 0; row < run.time.size(); ++row) {
        for (std::size_t c = 0; c < columns.size(); ++c)
            values[c] = row < columns[c]->size() ? (*columns[c])[row] : 0.0;
        writer.row(run.time[row], values);
    }
    return csv.str();
}

}  // namespace vantor
