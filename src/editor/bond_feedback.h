#pragma once

#include <string>

#include "window/model_window.h"

namespace vantor {

// What the window's handlers would do with a bond, told before they do it,
// so that the user sees where a bond starts, where it would end, and why a
// release would throw it away. Everything here only reads the window.

// Why releasing would throw the bond being drawn away, in the order the
// release's conditions are read.
enum class BondRefusal {
    kNone,           // the release makes the bond
    kNotDrawing,     // no bond is being drawn
    kNoElement,      // no element near the rubber band's end
    kNoMoreBonds,    // the element near it takes no more bonds
    kStartElement,   // the element near it is the one the bond starts from
    kJoinedAlready,  // the two elements are joined already
    kNoJunction,     // neither end is a junction
    kPointerBehind,  // the pointer shape was set before the window scrolled
};

struct BondRelease {
    BondRefusal refusal = BondRefusal::kNotDrawing;
    // The element the bond would join, or the one the refusal is about; 0
    // for none.
    int element = 0;

    bool makes_bond() const { return refusal == BondRefusal::kNone; }
};

// What releasing the left button now would do to the bond being drawn. The
// release looks at the rubber band's free end, which the last drawing step
// moved to the pointer, and decides by release_makes_bond.
BondRelease predict_bond_release(const ModelWindow& window);

// The element a bond would start from if the left button were pressed at
// (x, y), in scrolled twips, and the pointer dragged; 0 when the press would
// start none (it would land on a glyph or the caption box, or the pointer is
// no cross, or the model has no room for another bond).
int predict_bond_start(const ModelWindow& window, float x, float y);

// The status bar's words for a refusal; empty for kNone, kNotDrawing and
// kPointerBehind (the next step of the pointer sets it right).
std::string bond_refusal_text(BondRefusal refusal);

// The hints while no button is held.
inline constexpr const char* kBondDragHint = "drag to another element to draw a bond";
inline constexpr const char* kBondStartHint =
    "press just beside the element, not on it, and drag to another element to draw a bond";

// What the window shows of the bond drawing with the pointer at (x, y): the
// element to outline (0 for none) and the status bar's text (empty for
// none).
struct BondFeedback {
    int highlight = 0;
    std::string status;

    bool operator==(const BondFeedback&) const = default;
};

// - a bond being drawn: the element it would join when the release would
//   make it, else the reason it would not;
// - no button held and a press would start a bond: that element, and how to
//   go on;
// - no button held near an element, or on its glyph, where a press starts
//   no bond: that it takes no more bonds, or how to start one.
BondFeedback bond_feedback(const ModelWindow& window, float x, float y, bool buttons_held);

}  // namespace vantor
