#include "charts/simulation_chart.h"

#include <QCategoryAxis>
#include <QChart>
#include <QLegend>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "charts/round_ticks.h"

namespace vantor::charts {

namespace {

// Four samples a pixel across a wide screen: more would not show, and a
// hundred thousand points make zooming and resizing sluggish.
constexpr std::size_t kMaxDisplayPoints = 8000;

// The value axis's range around [lo, hi], with a little room above and
// below so that a line along the edge stays visible.
std::pair<double, double> value_range(double lo, double hi) {
    if (!(lo <= hi)) return {-1.0, 1.0};  // nothing finite to show
    const double span = hi - lo;
    const double margin = span > 0 ? span * 0.05 : std::max(std::abs(lo) * 0.1, 1.0);
    const double low = lo - margin;
    const double high = hi + margin;
    if (!std::isfinite(low) || !std::isfinite(high)) return {lo, hi};
    return {low, high};
}

std::pair<double, double> time_range(const std::vector<double>& time) {
    if (time.empty()) return {0.0, 1.0};
    if (time.back() > time.front()) return {time.front(), time.back()};
    return {time.front() - 0.5, time.front() + 0.5};
}

}  // namespace

QList<QPointF> plot_points(std::span<const double> time, std::span<const double> values,
                           std::size_t max_points) {
    const std::size_t n = std::min(time.size(), values.size());
    QList<QPointF> points;
    if (n <= max_points) {
        points.reserve(static_cast<qsizetype>(n));
        for (std::size_t i = 0; i < n; ++i) {
            if (std::isfinite(values[i])) points.append(QPointF(time[i], values[i]));
        }
        return points;
    }
    const std::size_t buckets = std::max<std::size_t>(max_points / 4, 1);
    points.reserve(static_cast<qsizetype>(buckets * 4));
    constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();
    for (std::size_t b = 0; b < buckets; ++b) {
        std::size_t first = kNone;
        std::size_t last = kNone;
        std::size_t lowest = kNone;
        std::size_t highest = kNone;
        for (std::size_t i = n * b / buckets; i < n * (b + 1) / buckets; ++i) {
            if (!std::isfinite(values[i])) continue;
            if (first == kNone) first = lowest = highest = i;
            last = i;
            if (values[i] < values[lowest]) lowest = i;
            if (values[i] > values[highest]) highest = i;
        }
        if (first == kNone) continue;
        std::array<std::size_t, 4> kept{first, lowest, highest, last};
        std::sort(kept.begin(), kept.end());
        const auto end = std::unique(kept.begin(), kept.end());
        for (auto it = kept.begin(); it != end; ++it)
            points.append(QPointF(time[*it], values[*it]));
    }
    return points;
}

std::size_t nearest_sample(const std::vector<double>& time, double t) {
    if (time.empty()) return 0;
    const auto after = std::lower_bound(time.begin(), time.end(), t);
    if (after == time.begin()) return 0;
    if (after == time.end()) return time.size() - 1;
    const auto before = after - 1;
    const std::size_t index = static_cast<std::size_t>(after - time.begin());
    return (t - *before <= *after - t) ? index - 1 : index;
}

QChart* make_plot_chart(const Plot& plot, const std::vector<double>& time) {
    auto* chart = new QChart;
    chart->setTitle(QString::fromStdString(plot.title));
    auto* t_axis = new QCategoryAxis;
    t_axis->setTitleText(QStringLiteral("t (s)"));
    auto* value_axis = new QCategoryAxis;
    chart->addAxis(t_axis, Qt::AlignBottom);
    chart->addAxis(value_axis, Qt::AlignLeft);

    double lo = std::numeric_limits<double>::infinity();
    double hi = -lo;
    for (const PlotSignal& signal : plot.signals) {
        auto* series = new QLineSeries;
        series->setName(QString::fromStdString(signal.legend));
        const QList<QPointF> points = plot_points(time, signal.values, kMaxDisplayPoints);
        for (const QPointF& p : points) {
            lo = std::min(lo, p.y());
            hi = std::max(hi, p.y());
        }
        series->replace(points);
        chart->addSeries(series);
        series->attachAxis(t_axis);
        series->attachAxis(value_axis);
    }
    const auto [t0, t1] = time_range(time);
    // The run's own span in time; the values' range padded out to round
    // ticks, which read better than the margins' odd ends.
    t_axis->setRange(t0, t1);
    keep_ticks_round(*t_axis, kMostTimeTicks);
    const auto [v0, v1] = value_range(lo, hi);
    set_round_range(*value_axis, v0, v1, kMostValueTicks);
    keep_ticks_round(*value_axis, kMostValueTicks);
    chart->legend()->setVisible(true);
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

void refine_on_zoom(QChart& chart, std::shared_ptr<const SimulationRun> run, std::size_t plot,
                    RowReader read) {
    const QList<QAbstractAxis*> axes = chart.axes(Qt::Horizontal);
    if (axes.isEmpty() || run == nullptr || plot >= run->plots.size()) return;
    // This plot's first column among the columns of every plot.
    std::size_t first_column = 0;
    for (std::size_t p = 0; p < plot; ++p) first_column += run->plots[p].signals.size();
    const bool thinned = run->rows > static_cast<std::int64_t>(run->time.size());
    if (!thinned) read = nullptr;
    QChart* target = &chart;
    QObject::connect(
        static_cast<QValueAxis*>(axes.front()), &QValueAxis::rangeChanged, target,
        [target, run, plot, first_column, read](qreal from, qreal to) {
            const QList<QAbstractSeries*> lines = target->series();
            const std::vector<PlotSignal>& signals = run->plots[plot].signals;
            std::vector<double> time;
            std::vector<std::vector<double>> columns;
            if (read && read(from, to, time, columns)) {
                for (qsizetype k = 0; k < lines.size(); ++k) {
                    const std::size_t c = first_column + static_cast<std::size_t>(k);
                    if (static_cast<std::size_t>(k) >= signals.size() || c >= columns.size()) break;
                    static_cast<QLineSeries*>(lines[k])->replace(
                        plot_points(time, columns[c], kMaxDisplayPoints));
                }
                return;
            }
            const std::vector<double>& kept = run->time;
            // One sample beyond each edge, so the lines run to the frame.
            std::size_t first = nearest_sample(kept, from);
            std::size_t last = nearest_sample(kept, to) + 1;
            first = first > 0 ? first - 1 : 0;
            last = std::min(last + 1, kept.size());
            if (first >= last) return;
            for (qsizetype k = 0; k < lines.size(); ++k) {
                const auto s = static_cast<std::size_t>(k);
                if (s >= signals.size()) break;
                const std::span<const double> values(signals[s].values);
                if (values.size() < last) continue;
                static_cast<QLineSeries*>(lines[k])->replace(
                    plot_points(std::span(kept).subspan(first, last - first),
                                values.subspan(first, last - first), kMaxDisplayPoints));
            }
        });
}

}  // namespace vantor::charts
