#include <cstdio>

#include "sim/simulator.h"

namespace vantor::sim {

std::string rows_text(double rows) {
    char count[32];
    std::snprintf(count, sizeof count, "%.0f", rows);
    return count;
}

}  // namespace vantor::sim
