#pragma once

// Every row of a window's run as CSV, in a temporary file that lives as long
// as the run's charts: the charts keep only a thinned copy, so exporting and
// zooming in read the rows back from here.

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace vantor::shell {

class SimulationCsvFile {
  public:
    // Creates the file in the system's temporary folder; throws FileError.
    SimulationCsvFile();
    ~SimulationCsvFile();
    SimulationCsvFile(const SimulationCsvFile&) = delete;
    SimulationCsvFile& operator=(const SimulationCsvFile&) = delete;

    // Where the run writes its rows.
    std::ostream& stream() { return out_; }
    // The run is over: the rows are flushed. False when some could not be
    // written (a full disk); the file is then of no use.
    bool finish();
    bool complete() const { return complete_; }

    const std::string& path() const { return path_; }
    // Writes a copy to `path` as save_file does; throws FileError.
    void copy_to(const std::string& path) const;

    // The rows from about `from` to just past `to`, thinned into
    // `stretches` (see ThinnedRows), one column per signal. False, reading
    // nothing, when the file is not complete or the stretch holds more than
    // `most_rows` rows: the charts' own copy then serves.
    bool read_rows(double from, double to, std::int64_t most_rows, std::size_t stretches,
                   std::vector<double>& time, std::vector<std::vector<double>>& columns) const;

  private:
    struct Mark {
        double t;
        std::streamoff offset;
    };
    // Every kMarkEvery-th row's time and place, made at the first read.
    void index() const;

    std::string path_;
    std::ofstream out_;
    bool complete_ = false;
    // A cache: reading back changes nothing a caller sees.
    mutable std::vector<Mark> marks_;
    mutable std::size_t columns_ = 0;
};

}  // namespace vantor::shell
