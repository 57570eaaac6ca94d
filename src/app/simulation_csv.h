#pragma once

// The run as CSV, row by row as it is computed: a first column "t", then one
// column per plotted signal, headed with its `column`. Numbers in the
// shortest form that reads back exactly.

#include <ostream>
#include <span>
#include <string>
#include <vector>

namespace vantor {

class CsvRowWriter {
  public:
    // Writes the heading line.
    CsvRowWriter(std::ostream& out, const std::vector<std::string>& headings);
    void row(double t, std::span<const double> values);

  private:
    std::ostream& out_;
    std::string line_;
};

}  // namespace vantor
