#include "charts/round_ticks.h"

#include <QCategoryAxis>
#include <string>
#include <vector>

#include "app/nice_ticks.h"

namespace vantor::charts {

namespace {

// A category's label stands at its end; the first one starts just before
// its tick so that the tick has its label too.
constexpr double kFirstCategoryWidth = 1e-6;

void label_ticks(QCategoryAxis& axis, std::size_t most) {
    const double from = axis.min();
    const double to = axis.max();
    // Only the ticks in view: a category outside the range would be drawn at
    // its edge.
    const NiceTicks ticks = ticks_within(from, to, most);
    const std::vector<std::string> labels = tick_labels(ticks);
    for (const QString& label : axis.categoriesLabels()) axis.remove(label);
    if (ticks.values.empty()) return;
    axis.setStartValue(ticks.values.front() - ticks.step * kFirstCategoryWidth);
    for (std::size_t k = 0; k < ticks.values.size(); ++k) {
        axis.append(QString::fromStdString(labels[k]), ticks.values[k]);
    }
}

}  // namespace

void keep_ticks_round(QCategoryAxis& axis, std::size_t most) {
    axis.setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    label_ticks(axis, most);
    QObject::connect(&axis, &QCategoryAxis::rangeChanged, &axis,
                     [&axis, most] { label_ticks(axis, most); });
}

void set_round_range(QCategoryAxis& axis, double lo, double hi, std::size_t most) {
    const NiceTicks ticks = nice_ticks(lo, hi, most);
    axis.setRange(ticks.low, ticks.high);
}

}  // namespace vantor::charts
