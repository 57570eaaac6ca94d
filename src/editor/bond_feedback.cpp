#include "editor/bond_feedback.h"

#include "display/viewport.h"
#include "editor/bond_rules.h"
#include "editor/hit_tests.h"
#include "editor/pointer_router.h"
#include "model/element_kinds.h"

namespace vantor {

namespace {

const ObjRecord& record(const ModelWindow& window, int i) {
    return window.model.objs[static_cast<std::size_t>(i)];
}

// The first element near (x, y), as busca_objeto looks, that is no text
// note but takes no more bonds: the one busca_objeto passed over.
int full_element_near(const ModelWindow& window, float x, float y) {
    for (int i = 1; i <= window.model.nobj; ++i) {
        const ObjRecord& obj = record(window, i);
        if (is_text_note(obj) || takes_another_bond(obj)) continue;
        if (near_glyph(window.image1[static_cast<std::size_t>(i)], x, y)) return i;
    }
    return 0;
}

// The element the pointer is on or near when no press there starts a bond:
// the glyph under it, else the first element near it that is no text note.
int element_at_rest(const ModelWindow& window, int target, float x, float y) {
    if (target > 0) return target;
    const int free = busca_objeto(window, x, y);
    return free > 0 ? free : full_element_near(window, x, y);
}

}  // namespace

BondRelease predict_bond_release(const ModelWindow& window) {
    const Model& m = window.model;
    if (!window.Line1.visible || m.nlin < 1) return {};
    const int target = bond_release_target(window);
    if (release_makes_bond(window, target)) return {BondRefusal::kNone, target};
    const int from = m.lines[static_cast<std::size_t>(m.nlin)].obj1;
    if (!in_model(m, from)) return {};
    if (target <= 0) {
        const int full = full_element_near(window, window.Line1.x2, window.Line1.y2);
        return full > 0 ? BondRelease{BondRefusal::kNoMoreBonds, full}
                        : BondRelease{BondRefusal::kNoElement, 0};
    }
    if (target == from) return {BondRefusal::kStartElement, target};
    if (existe_linea(window, from, target)) return {BondRefusal::kJoinedAlready, target};
    if (!has_junction_end(m, from, target)) return {BondRefusal::kNoJunction, target};
    return {BondRefusal::kPointerBehind, target};
}

int predict_bond_start(const ModelWindow& window, float x, float y) {
    if (window.Line1.visible || pointer_target(window, x, y) != 0) return 0;
    if (!pointer_draws_bonds(window) || !bond_may_start(window)) return 0;
    return window.mouse.overobj;
}

std::string bond_refusal_text(BondRefusal refusal) {
    switch (refusal) {
        case BondRefusal::kNoElement:
            return "release over an element";
        case BondRefusal::kNoMoreBonds:
            return "this element takes no more bonds";
        case BondRefusal::kStartElement:
            return "release over another element";
        case BondRefusal::kJoinedAlready:
            return "these elements are joined already";
        case BondRefusal::kNoJunction:
            return "a bond needs a junction at one end";
        default:
            return {};
    }
}

BondFeedback bond_feedback(const ModelWindow& window, float x, float y, bool buttons_held) {
    if (window.Line1.visible) {
        const BondRelease release = predict_bond_release(window);
        if (release.makes_bond()) return {release.element, {}};
        return {0, bond_refusal_text(release.refusal)};
    }
    // With no room for another bond there is nothing to tell.
    if (buttons_held || window.model.nlin >= kMaxBonds) return {};
    const int start = predict_bond_start(window, x, y);
    if (start > 0) return {start, kBondDragHint};
    const int target = pointer_target(window, x, y);
    if (target < 0) return {};
    const int near = element_at_rest(window, target, x, y);
    if (near <= 0 || is_text_note(record(window, near))) return {};
    if (!takes_another_bond(record(window, near))) {
        return {0, bond_refusal_text(BondRefusal::kNoMoreBonds)};
    }
    return {0, kBondStartHint};
}

}  // namespace vantor
