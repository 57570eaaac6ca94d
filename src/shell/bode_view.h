#pragma once

#include <QChartView>
#include <functional>

#include "shell/zoom_chart_view.h"

namespace vantor::shell {

inline constexpr int kBodeChartHeight = 260;

// A Bode chart with the simulation charts' habits; the pointer's frequency
// goes to the readout.
class BodeView : public ZoomChartView {
  public:
    explicit BodeView(std::function<void(double)> pointer_at)
        : ZoomChartView(nullptr, kBodeChartHeight, std::move(pointer_at)) {}
};

// Shows `chart` in `view`, deleting the chart it showed.
void replace_chart(QChartView& view, QChart* chart);

}  // namespace vantor::shell
