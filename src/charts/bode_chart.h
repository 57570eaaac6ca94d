#pragma once

#include <QString>
#include <vector>

#include "equations/bode.h"

class QChart;

namespace vantor::charts {

enum class BodePart { kMagnitude, kPhase };

// One half of a Bode plot: magnitude in dB or phase in degrees over the
// angular frequency on a logarithmic axis. Points that are not finite (a
// zero on the axis) are left out. The caller owns the chart.
QChart* make_bode_chart(const std::vector<equations::BodePoint>& points, BodePart part,
                        const QString& title);

}  // namespace vantor::charts
