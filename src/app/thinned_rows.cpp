#include "app/thinned_rows.h"

#include <algorithm>
#include <cmath>

namespace vantor {

ThinnedRows::ThinnedRows(std::size_t columns, std::size_t max_stretches)
    : columns_(columns),
      max_stretches_(std::max<std::size_t>(max_stretches, 1)),
      lowest_(columns),
      highest_(columns) {}

void ThinnedRows::add(double t, std::span<const double> values) {
    const auto set = [&](Row& row) {
        row.index = count_;
        row.t = t;
        row.values.assign(values.begin(), values.end());
    };
    if (open_count_ == 0) {
        set(first_);
        for (std::size_t c = 0; c < columns_; ++c) {
            set(lowest_[c]);
            set(highest_[c]);
        }
    }
    set(last_);
    for (std::size_t c = 0; c < columns_ && c < values.size(); ++c) {
        const double v = values[c];
        if (!std::isfinite(v)) continue;
        const double low = lowest_[c].values[c];
        const double high = highest_[c].values[c];
        if (!std::isfinite(low) || v < low) set(lowest_[c]);
        if (!std::isfinite(high) || v > high) set(highest_[c]);
    }
    ++count_;
    if (++open_count_ == stretch_rows_) close_open_stretch();
}

void ThinnedRows::close_open_stretch() {
    if (open_count_ == 0) return;
    Stretch rows{first_, last_};
    rows.insert(rows.end(), lowest_.begin(), lowest_.end());
    rows.insert(rows.end(), highest_.begin(), highest_.end());
    std::sort(rows.begin(), rows.end(),
              [](const Row& a, const Row& b) { return a.index < b.index; });
    rows.erase(std::unique(rows.begin(), rows.end(),
                           [](const Row& a, const Row& b) { return a.index == b.index; }),
               rows.end());
    closed_.push_back(std::move(rows));
    open_count_ = 0;
    if (closed_.size() < 2 * max_stretches_) return;
    std::vector<Stretch> merged;
    merged.reserve(max_stretches_);
    for (std::size_t k = 0; k + 1 < closed_.size(); k += 2) {
        Stretch both = std::move(closed_[k]);
        both.insert(both.end(), std::make_move_iterator(closed_[k + 1].begin()),
                    std::make_move_iterator(closed_[k + 1].end()));
        merged.push_back(reduced(std::move(both)));
    }
    closed_ = std::move(merged);
    stretch_rows_ *= 2;
}

ThinnedRows::Stretch ThinnedRows::reduced(Stretch rows) const {
    if (rows.size() <= 2) return rows;
    std::vector<bool> keep(rows.size(), false);
    keep.front() = keep.back() = true;
    for (std::size_t c = 0; c < columns_; ++c) {
        std::size_t low = rows.size();
        std::size_t high = rows.size();
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const double v = rows[i].values[c];
            if (!std::isfinite(v)) continue;
            if (low == rows.size() || v < rows[low].values[c]) low = i;
            if (high == rows.size() || v > rows[high].values[c]) high = i;
        }
        if (low < rows.size()) keep[low] = keep[high] = true;
    }
    Stretch kept;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (keep[i]) kept.push_back(std::move(rows[i]));
    }
    return kept;
}

void ThinnedRows::take(std::vector<double>& time, std::vector<std::vector<double>>& columns) const {
    ThinnedRows copy = *this;
    copy.close_open_stretch();
    time.clear();
    columns.assign(columns_, {});
    for (const Stretch& stretch : copy.closed_) {
        for (const Row& row : stretch) {
            time.push_back(row.t);
            for (std::size_t c = 0; c < columns_; ++c) columns[c].push_back(row.values[c]);
        }
    }
}

}  // namespace vantor
