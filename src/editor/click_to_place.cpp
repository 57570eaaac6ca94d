#include "editor/click_to_place.h"

#include "editor/hit_tests.h"
#include "editor/pointer_router.h"

namespace vantor {

ArmedPress armed_press(const ModelWindow& window, int button, int held, float x, float y) {
    if (button != 1 || held != 0) return ArmedPress::kDisarm;
    if (in_caption_box(window, x, y) || glyph_at(window, x, y) != 0 ||
        busca_linea(window, x, y) > 0) {
        return ArmedPress::kDisarm;
    }
    return ArmedPress::kPlace;
}

}  // namespace vantor
