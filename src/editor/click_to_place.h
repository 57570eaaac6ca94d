#pragma once

#include "window/model_window.h"

namespace vantor {

// What a press on a model window does while a library entry waits to be
// placed by a click.
enum class ArmedPress {
    kPlace,   // the entry is dropped at the press, which goes no further
    kDisarm,  // the entry waits no more; the press goes on as it always does
};

// Only a left press with no other button held, on canvas where nothing is
// (no glyph, no caption box, no bond that a click there would select),
// places: any other press keeps the meaning it has without a waiting entry.
// `held` is the buttons already held (1 left, 2 right, 4 middle); (x, y) in
// scrolled twips.
ArmedPress armed_press(const ModelWindow& window, int button, int held, float x, float y);

}  // namespace vantor
