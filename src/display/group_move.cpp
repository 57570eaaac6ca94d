#include <algorithm>

#include "display/redraw.h"
#include "display/stored_int16.h"
#include "display/viewport.h"
#include "model/element_kinds.h"
#include "model/numeric_prefix.h"
#include "window/selection.h"

namespace vantor {

namespace {

// The working area reaches this far past the scroll range, less a margin.
inline constexpr double kWorkingMargin = 2000;
inline constexpr double kKeepBelowTop = 1500;    // twips kept under a dragged element
inline constexpr double kKeepRightOfLeft = 500;  // twips kept right of a dragged element
inline constexpr double kScrollAhead = 1500;     // a scroll right or down leaves this much
inline constexpr double kScrollBack = 100;       // a scroll left or up leaves this much

struct Extent {
    double min_top, max_top, min_left, max_left;

    void include(const ObjRecord& o) {
        min_top = std::min<double>(min_top, o.top);
        max_top = std::max<double>(max_top, o.top);
        min_left = std::min<double>(min_left, o.left);
        max_left = std::max<double>(max_left, o.left);
    }
};

void move_by(ObjRecord& o, double dx, double dy) {
    o.top = store_int16(o.top + dy);
    o.left = store_int16(o.left + dx);
}

int scroll_value(double value) {
    return static_cast<int>(round_half_even(value));
}

// Scrolls so that element el, just moved, stays in view.
void keep_in_view(ModelWindow& window, int el) {
    const ObjRecord& o = window.model.objs[static_cast<std::size_t>(el)];
    const Viewport& v = window.viewport;
    const double top = o.top;
    const double left = o.left;

    const double origin_top = v.VScroll1.value;
    if (origin_top + v.height < top + kKeepBelowTop) {
        set_vscroll(window,
                    scroll_value(std::min<double>(top - v.height + kScrollAhead, kScrollMax)));
    } else if (top < origin_top) {
        set_vscroll(window, scroll_value(std::max(top - kScrollBack, 0.0)));
    }

    const double origin_left = window.viewport.HScroll1.value;
    const double width = window.viewport.width;
    if (origin_left + width < left + kKeepRightOfLeft) {
        set_hscroll(window,
                    scroll_value(std::min<double>(left - width + kScrollAhead, kScrollMax)));
    } else if (left < origin_left) {
        set_hscroll(window, scroll_value(std::max(left - kScrollBack, 0.0)));
    }
}

void move_group(ModelWindow& window, AppState& app, int el, float dx, float dy, bool corrective) {
    Model& m = window.model;
    ObjRecord& dragged = m.objs[static_cast<std::size_t>(el)];
    Extent extent{static_cast<double>(dragged.top), static_cast<double>(dragged.top),
                  static_cast<double>(dragged.left), static_cast<double>(dragged.left)};

    if (dragged.selected == kTrue) {
        const bool dragged_is_con = is_con(dragged);
        for (int i = 1; i <= m.nobj; ++i) {
            ObjRecord& o = m.objs[static_cast<std::size_t>(i)];
            // A dragged block takes its ports along (the flag alone: they
            // take the owner's colour at the redraw).
            if (is_con(o) && o.auxil2 == el && !dragged_is_con && o.selected == 0)
                o.selected = kTrue;
            if (o.selected != 0) {
                move_by(o, dx, dy);
                extent.include(o);
            }
        }
    } else {
        move_by(dragged, dx, dy);
        deselecciona(window, app);
        window.image1[static_cast<std::size_t>(el)].color = app.colsel;
        habilita(window);
        dragged.selected = kTrue;
    }

    qrefresco(window, app);
    // The redraw deletes an emptied text note, which may have been el.
    if (!in_model(m, el)) return;

    const Viewport& v = window.viewport;
    double below = extent.max_top - kScrollMax - (v.height - kWorkingMargin);
    double right = extent.max_left - kScrollMax - (v.width - kWorkingMargin);
    // One corrective move at most: a group wider or taller than the working
    // area would otherwise be pushed back and forth for ever.
    if (!corrective && (extent.min_top < 0 || extent.min_left < 0 || below > 0 || right > 0)) {
        const double min_top = std::min(extent.min_top, 0.0);
        const double min_left = std::min(extent.min_left, 0.0);
        below = std::max(below, 0.0);
        right = std::max(right, 0.0);
        move_group(window, app, el, static_cast<float>(-right - min_left),
                   static_cast<float>(-below - min_top), true);
        return;
    }
    keep_in_view(window, el);
}

}  // namespace

void mover(ModelWindow& window, AppState& app, int el, float dx, float dy) {
    if (!in_model(window.model, el)) return;
    move_group(window, app, el, dx, dy, false);
}

}  // namespace vantor
