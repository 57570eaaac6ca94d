#include "editor/pointer_router.h"

#include "editor/hit_tests.h"

#include <utility>

namespace vantor {

namespace {

bool holds(float left, float top, float width, float height, float x, float y) {
    return left <= x && x < static_cast<double>(left) + width && top <= y &&
           y < static_cast<double>(top) + height;
}

EditorEvent event_of(EventKind kind, int index = 0) {
    EditorEvent event;
    event.kind = kind;
    event.index = index;
    return event;
}

bool glyph_exists(const ModelWindow& window, int i) {
    return i >= 1 && i <= window.model.nobj;
}

// Glyph coordinates are relative to the glyph as it is now: the glyph moves
// as it is dragged.
float relative_x(const ModelWindow& window, int i, float x) {
    return static_cast<float>(static_cast<double>(x) -
                              window.image1[static_cast<std::size_t>(i)].left);
}
float relative_y(const ModelWindow& window, int i, float y) {
    return static_cast<float>(static_cast<double>(y) -
                              window.image1[static_cast<std::size_t>(i)].top);
}

}  // namespace

float pixel_to_twips_x(const ModelWindow& window, double px, double zoom) {
    return static_cast<float>(pixels_to_twips(px, zoom) + window.viewport.HScroll1.value);
}

float pixel_to_twips_y(const ModelWindow& window, double py, double zoom) {
    return static_cast<float>(pixels_to_twips(py, zoom) + window.viewport.VScroll1.value);
}

int glyph_at(const ModelWindow& window, float x, float y) {
    int found = 0;
    for (int i = 1; i <= window.model.nobj; ++i) {
        const Glyph& g = window.image1[static_cast<std::size_t>(i)];
        if (!g.visible || !holds(g.left, g.top, g.width, g.height, x, y)) continue;
        if (found == 0 || g.z >= window.image1[static_cast<std::size_t>(found)].z) found = i;
    }
    return found;
}

PointerRouter::PointerRouter(Sink sink) : sink_(std::move(sink)) {}

float PointerRouter::twips_x(const ModelWindow& window, double px) const {
    return pixel_to_twips_x(window, px, zoom_);
}

float PointerRouter::twips_y(const ModelWindow& window, double py) const {
    return pixel_to_twips_y(window, py, zoom_);
}

bool in_caption_box(const ModelWindow& window, float x, float y) {
    const TextBox& box = window.Text1;
    return box.visible && holds(box.left, box.top, box.width, box.height, x, y);
}

int pointer_target(const ModelWindow& window, float x, float y) {
    if (in_caption_box(window, x, y)) return -1;
    return glyph_at(window, x, y);
}

void PointerRouter::begin_press(const ModelWindow& window, int button, float x, float y) {
    if (held_ == 0) {
        const int target = pointer_target(window, x, y);
        if (target < 0) return;
        captured_ = target;
        click_on_release_ = true;
    }
    held_ |= button;
}

void PointerRouter::press(const ModelWindow& window, int button, int, double px, double py) {
    begin_press(window, button, twips_x(window, px), twips_y(window, py));
}

void PointerRouter::double_click(const ModelWindow& window, int button, int, double px, double py) {
    const bool first_button = held_ == 0;
    begin_press(window, button, twips_x(window, px), twips_y(window, py));
    if (!first_button || held_ == 0 || button != 1) return;
    click_on_release_ = false;
    if (captured_ == 0) {
        sink_(event_of(EventKind::kFormDblClick));
    } else if (glyph_exists(window, captured_)) {
        sink_(event_of(EventKind::kImageDblClick, captured_));
    }
}

void PointerRouter::move(const ModelWindow& window, int shift, double px, double py) {
    const float x = twips_x(window, px);
    const float y = twips_y(window, py);
    const int target = held_ != 0 ? captured_ : pointer_target(window, x, y);
    if (target >= 0) deliver(window, false, target, held_, shift, x, y);
}

void PointerRouter::release(const ModelWindow& window, int button, int shift, double px,
                            double py) {
    const float x = twips_x(window, px);
    const float y = twips_y(window, py);
    if ((held_ & button) == 0) {
        // A release whose press the router did not see goes where it happens.
        const int target = pointer_target(window, x, y);
        if (target >= 0) deliver(window, true, target, button, shift, x, y);
        return;
    }
    held_ &= ~button;
    const int target = captured_;
    deliver(window, true, target, button, shift, x, y);
    if (button == 1 && click_on_release_ && target > 0 && glyph_exists(window, target)) {
        sink_(event_of(EventKind::kImageClick, target));
    }
    if (held_ == 0) captured_ = 0;
}

void PointerRouter::focus_lost() {
    held_ = 0;
    captured_ = 0;
    sink_(event_of(EventKind::kFormLostFocus));
}

void PointerRouter::escape(const ModelWindow& window) {
    // Ended as a focus loss ends it, a bond half drawn would stay in the model
    // with one end, and be saved so. It is taken back to where it started and
    // let go there, where it cannot join, which discards it.
    const LineControl& band = window.Line1;
    const int bond = window.model.nlin;
    if (captured_ == 0 && (held_ & 1) != 0 && band.visible && bond >= 1) {
        const int start = window.model.lines[static_cast<std::size_t>(bond)].obj1;
        const int there = busca_objeto(window, band.x1, band.y1);
        if (there == 0 || there == start) {
            const float x = band.x1;
            const float y = band.y1;
            deliver(window, false, 0, held_, 0, x, y);
            held_ = 0;
            deliver(window, true, 0, 1, 0, x, y);
            return;
        }
    }
    focus_lost();
}

void PointerRouter::drop(const ModelWindow& window, double px, double py,
                         const std::string& library, int entry) {
    EditorEvent event = event_of(EventKind::kDrop);
    event.x = twips_x(window, px);
    event.y = twips_y(window, py);
    event.name = library;
    event.value = entry;
    sink_(event);
}

void PointerRouter::deliver(const ModelWindow& window, bool up, int target, int button, int shift,
                            float x, float y) {
    EditorEvent event;
    event.button = button;
    event.shift = shift;
    if (target == 0) {
        event.kind = up ? EventKind::kFormMouseUp : EventKind::kFormMouseMove;
        event.x = x;
        event.y = y;
    } else {
        if (!glyph_exists(window, target)) return;
        event.kind = up ? EventKind::kImageMouseUp : EventKind::kImageMouseMove;
        event.index = target;
        event.x = relative_x(window, target, x);
        event.y = relative_y(window, target, y);
    }
    sink_(event);
}

}  // namespace vantor
