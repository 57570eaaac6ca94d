#pragma once

// Every row of a window's run as CSV, in a temporary file that lives as long
// as the run's charts: the charts keep only a thinned copy, so exporting and
// zooming in read the rows back from here.

#include <fstream>
#include <string>

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

  private:
    std::string path_;
    std::ofstream out_;
    bool complete_ = false;
};

}  // namespace vantor::shell
