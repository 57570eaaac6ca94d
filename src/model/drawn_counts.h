#pragma once

#include "model/model.h"

namespace vantor {

// What the user drew, as the status bar counts it: elements without the
// ports, connection points and text notes that come with them; power bonds;
// signal links.
struct DrawnCounts {
    int elements = 0;
    int bonds = 0;
    int links = 0;
};

DrawnCounts drawn_counts(const Model& m);

}  // namespace vantor
