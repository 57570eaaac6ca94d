#pragma once

// A bounded copy of a run's rows for the charts. The rows fall into stretches
// of equal count; each stretch keeps its first and last row and, for every
// column, the row with the lowest and the highest finite value, so that no
// peak is lost however long the run. When there are too many stretches,
// neighbours are merged and the stretches grow twice as long.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vantor {

class ThinnedRows {
  public:
    // At most about 2 * max_stretches * (2 + 2 * columns) rows are kept.
    ThinnedRows(std::size_t columns, std::size_t max_stretches);

    void add(double t, std::span<const double> values);

    // The rows added so far; every one while they fit.
    std::int64_t count() const { return count_; }

    // The kept rows, in the order they were added.
    void take(std::vector<double>& time, std::vector<std::vector<double>>& columns) const;

  private:
    struct Row {
        std::int64_t index = 0;
        double t = 0;
        std::vector<double> values;
    };
    using Stretch = std::vector<Row>;

    // The rows of `rows` (in order) that a stretch keeps.
    Stretch reduced(Stretch rows) const;
    void close_open_stretch();

    std::size_t columns_;
    std::size_t max_stretches_;
    std::int64_t stretch_rows_ = 1;  // rows per closed stretch
    std::int64_t count_ = 0;
    std::vector<Stretch> closed_;
    // The open stretch: its first and last rows and each column's extremes.
    std::int64_t open_count_ = 0;
    Row first_, last_;
    std::vector<Row> lowest_, highest_;
};

}  // namespace vantor
