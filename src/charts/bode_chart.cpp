#include "charts/bode_chart.h"

#include <QChart>
#include <QLegend>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

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
    if (!points.empty()) frequency->setRange(points.front().w, points.back().w);
    chart->addAxis(frequency, Qt::AlignBottom);
    series->attachAxis(frequency);

    auto* value = new QValueAxis;
    value->setTitleText(part == BodePart::kMagnitude ? QStringLiteral("Magnitude (dB)")
                                                     : QStringLiteral("Phase (deg)"));
    if (lo <= hi) {
        const double margin = hi > lo ? (hi - lo) * 0.05 : 1.0;
        value->setRange(lo - margin, hi + margin);
    }
    chart->addAxis(value, Qt::AlignLeft);
    series->attachAxis(value);
    value->applyNiceNumbers();
    return chart;
}

}  // namespace vantor::charts
