#include "shell/simulation_csv_file.h"

#include <unistd.h>

#include <QDir>
#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <vector>

#include "app/thinned_rows.h"
#include "model/file_error.h"
#include "model/file_saving.h"

namespace vantor::shell {

SimulationCsvFile::SimulationCsvFile() {
    std::string name = QDir::tempPath().toStdString() + "/vantor-run-XXXXXX";
    std::vector<char> buffer(name.begin(), name.end());
    buffer.push_back('\0');
    const int fd = ::mkstemp(buffer.data());
    if (fd < 0) throw FileError(name, "cannot write: " + system_error_text(errno));
    ::close(fd);
    path_ = buffer.data();
    out_.open(path_, std::ios::binary | std::ios::trunc);
    if (!out_) throw FileError(path_, "cannot write");
}

SimulationCsvFile::~SimulationCsvFile() {
    out_.close();
    std::remove(path_.c_str());
}

bool SimulationCsvFile::finish() {
    out_.flush();
    complete_ = static_cast<bool>(out_);
    out_.close();
    return complete_;
}

void SimulationCsvFile::copy_to(const std::string& path) const {
    std::ifstream in(path_, std::ios::binary);
    if (!in) throw FileError(path_, "cannot read the run's rows");
    save_file_streamed(path, [this, &in](const ByteWriter& write) {
        std::vector<char> block(1 << 20);
        while (in) {
            in.read(block.data(), static_cast<std::streamsize>(block.size()));
            const auto got = static_cast<std::size_t>(in.gcount());
            if (got > 0 && !write(std::string_view(block.data(), got))) return false;
        }
        if (!in.eof()) throw FileError(path_, "cannot read the run's rows");
        return true;
    });
}

namespace {

constexpr std::int64_t kMarkEvery = 1024;

// A CSV row of numbers; false for the heading or a damaged line.
bool parse_row(const std::string& line, double& t, std::vector<double>& values) {
    const char* at = line.data();
    const char* end = at + line.size();
    auto [next, error] = std::from_chars(at, end, t);
    if (error != std::errc()) return false;
    values.clear();
    while (next != end && *next == ',') {
        double value = 0;
        const auto [after, bad] = std::from_chars(next + 1, end, value);
        if (bad != std::errc()) return false;
        values.push_back(value);
        next = after;
    }
    return next == end;
}

}  // namespace

void SimulationCsvFile::index() const {
    if (!marks_.empty()) return;
    std::ifstream in(path_, std::ios::binary);
    std::string line;
    std::getline(in, line);  // the heading
    columns_ = static_cast<std::size_t>(std::count(line.begin(), line.end(), ','));
    std::vector<double> values;
    for (std::int64_t row = 0;; ++row) {
        const std::streamoff offset = in.tellg();
        if (!std::getline(in, line)) break;
        double t = 0;
        if (row % kMarkEvery == 0 && parse_row(line, t, values)) marks_.push_back({t, offset});
    }
}

bool SimulationCsvFile::read_rows(double from, double to, std::int64_t most_rows,
                                  std::size_t stretches, std::vector<double>& time,
                                  std::vector<std::vector<double>>& columns) const {
    if (!complete_) return false;
    index();
    if (marks_.empty()) return false;
    // The last mark at or before `from`, and the first after `to`.
    const auto first = std::upper_bound(marks_.begin(), marks_.end(), from,
                                        [](double t, const Mark& m) { return t < m.t; });
    const auto start = first == marks_.begin() ? first : first - 1;
    const auto stop = std::upper_bound(marks_.begin(), marks_.end(), to,
                                       [](double t, const Mark& m) { return t < m.t; });
    if ((stop - start) * kMarkEvery > most_rows) return false;
    std::ifstream in(path_, std::ios::binary);
    in.seekg(start->offset);
    ThinnedRows rows(columns_, stretches);
    std::string line;
    std::vector<double> values;
    while (std::getline(in, line)) {
        double t = 0;
        if (!parse_row(line, t, values) || values.size() != columns_) return false;
        rows.add(t, values);
        if (t > to) break;  // one row past the edge, so the lines run to the frame
    }
    rows.take(time, columns);
    return true;
}

}  // namespace vantor::shell
