#include "shell/bode_view.h"

#include <QChart>

namespace vantor::shell {

void replace_chart(QChartView& view, QChart* chart) {
    QChart* old = view.chart();
    view.setChart(chart);
    delete old;
}

}  // namespace vantor::shell
