// The charts' axes tick at round values, and a zoomed chart draws the run's
// own samples in view rather than the thinned copy of the whole run.
#include <gtest/gtest.h>

#include <QtCharts>
#include <set>

#include "charts/bode_chart.h"
#include "charts/simulation_chart.h"

namespace vantor::test {
namespace {

QCategoryAxis* axis(QChart& chart, Qt::Orientation orientation) {
    return qobject_cast<QCategoryAxis*>(chart.axes(orientation).value(0));
}

// 20001 samples of a fast sine over t = 0..2: more than a chart draws.
std::shared_ptr<SimulationRun> long_run() {
    auto run = std::make_shared<SimulationRun>();
    run->outcome = SimulateOutcome::kCompleted;
    std::vector<double> values;
    for (int k = 0; k <= 20000; ++k) {
        run->time.push_back(1e-4 * k);
        values.push_back(3.7 * std::sin(300 * 1e-4 * k));
    }
    run->rows = static_cast<std::int64_t>(run->time.size());
    run->end_time = 2;
    run->plots = {{"sc (sc)", {{"sc/1 (sc)", "x (1)", 1, values}}}};
    return run;
}

TEST(ChartAxes, TicksStandAtRoundValuesAndZoomingDrawsTheSamplesInView) {
    const std::shared_ptr<SimulationRun> run = long_run();
    std::unique_ptr<QChart> plot(charts::make_plot_chart(run->plots[0], run->time));
    std::vector<equations::BodePoint> points;
    for (double w = 3.7; w < 380; w *= 1.1) points.push_back({w, -20 * std::log10(w), -45});
    std::unique_ptr<QChart> bode(
        charts::make_bode_chart(points, charts::BodePart::kMagnitude, QStringLiteral("m")));
    auto* frequency = qobject_cast<QLogValueAxis*>(bode->axes(Qt::Horizontal).value(0));
    ASSERT_NE(frequency, nullptr);  // whole decades
    EXPECT_EQ(std::make_pair(frequency->min(), frequency->max()), std::make_pair(1.0, 1000.0));

    // The chart's axis, the range it is zoomed to (none when equal), its ticks.
    using Row = std::tuple<QChart*, Qt::Orientation, double, double, const char*>;
    const Row rows[] = {
        // The run's span in time.
        {plot.get(), Qt::Horizontal, 0, 0, "0 0.2 0.4 0.6 0.8 1.0 1.2 1.4 1.6 1.8 2.0"},
        // ±3.7, a twentieth more, out to the next round tick.
        {plot.get(), Qt::Vertical, 0, 0, "-6 -4 -2 0 2 4 6"},
        // -51.1 to -11.4 dB with a margin, out to tens.
        {bode.get(), Qt::Vertical, 0, 0, "-60 -50 -40 -30 -20 -10 0"},
        {plot.get(), Qt::Horizontal, 0.1234, 0.1789,
         "0.125 0.130 0.135 0.140 0.145 0.150 0.155 0.160 0.165 0.170 0.175"},
        // A tick at 0 reads 0, never -0.00.
        {plot.get(), Qt::Vertical, -0.03, 0.07, "-0.02 0 0.02 0.04 0.06"},
    };
    for (const auto& [chart, orientation, from, to, ticks] : rows) {
        SCOPED_TRACE(ticks);
        const QStringList labels = QString::fromLatin1(ticks).split(u' ');
        QCategoryAxis* a = axis(*chart, orientation);
        ASSERT_NE(a, nullptr);
        if (from < to) a->setRange(from, to);
        EXPECT_EQ(a->categoriesLabels(), labels);
        // Unzoomed, the axis runs from its first tick to its last.
        if (from == to) {
            EXPECT_EQ(a->min(), labels.front().toDouble());
            EXPECT_EQ(a->max(), labels.back().toDouble());
        }
    }

    // A zoomed chart draws the run's samples in view, up to the point budget.
    std::unique_ptr<QChart> chart(charts::make_plot_chart(run->plots[0], run->time));
    charts::refine_on_zoom(*chart, run, 0);
    auto* line = static_cast<QLineSeries*>(chart->series().at(0));
    EXPECT_LE(line->count(), 8000);  // the whole run, thinned

    // 0.5 s holds 5001 samples: every one is drawn, each at its value.
    const std::vector<double>& values = run->plots[0].signals[0].values;
    axis(*chart, Qt::Horizontal)->setRange(0.5, 1.0);
    std::set<double> drawn;
    for (const QPointF& p : line->points()) {
        drawn.insert(p.x());
        EXPECT_EQ(p.y(), values.at(static_cast<std::size_t>(std::lround(p.x() / 1e-4)))) << p.x();
    }
    for (std::size_t k = 5000; k <= 10000; ++k) EXPECT_TRUE(drawn.count(run->time[k])) << k;
    // 1.5 s holds more than the budget: thinned again, the peaks kept.
    axis(*chart, Qt::Horizontal)->setRange(0.2, 1.7);
    EXPECT_LE(line->count(), 8000);
    double top = -10;
    for (const QPointF& p : line->points()) top = std::max(top, p.y());
    EXPECT_EQ(top, *std::max_element(values.begin() + 2000, values.begin() + 17001));
}

}  // namespace
}  // namespace vantor::test
