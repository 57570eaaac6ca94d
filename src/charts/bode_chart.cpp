#include "charts/bode_chart.h"

#include <QCategoryAxis>
#include <QChart>
#include <QLegend>
#include <QLineSeries>
#include <QLogValueAxis>
#include <algorithm>
#include <cmath>

#include "app/nice_ticks.h"
#include "charts/round_ticks.h"

namespace vantor::charts {

QChart* make_bode_chart(const std::vector<equations::BodePoint>& points, BodePart part,
                        const QString& title) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->legend()->hide();
    auto* series = new QLineSeries;
    double lo = INFINITY;
    double hi = -INFINITY;
    for (const equations::BodePoint& p : points) {
        const double y = part == BodePart::kMagnitude ? p.db : p.degrees;
        if (!std::isfinite(y) || !(p.w > 0)) continue;
        series->append(p.w, y);
        lo = std::min(lo, y);
        hi = std::max(hi, y);
    }
    chart->addSeries(series);

    auto* frequency = new QLogValueAxis;
    frequency->setBase(10);
    frequency->setLabelFormat(QStringLiteral("%g"));
    frequency->setTitleText(QStringLiteral("Frequency (rad/s)"));
    frequency->setMinorTickCount(8);
    // Whole decades, so that the axis is labelled at its ends.
    if (!points.empty()) {
        const DecadeRange decades = decade_range(points.front().w, points.back().w);
        frequency->setRange(decades.low, decades.high);
    }
    chart->addAxis(frequency, Qt::AlignBottom);
    series->attachAxis(frequency);

    auto* value = new QCategoryAxis;
    value->setTitleText(part == BodePart::kMagnitude ? QStringLiteral("Magnitude (dB)")
                                                     : QStringLiteral("Phase (deg)"));
    if (lo <= hi) {
        const double margin = hi > lo ? (hi - lo) * 0.05 : 1.0;
        set_round_range(*value, lo - margin, hi + margin, kMostValueTicks);
    }
    keep_ticks_round(*value, kMostValueTicks);
    chart->addAxis(value, Qt::AlignLeft);
    series->attachAxis(value);
    return chart;
}

}  // namespace vantor::charts
