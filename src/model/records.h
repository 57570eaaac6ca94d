#pragma once

#include <cstdint>

#include "model/fixed_text.h"

namespace vantor {

// Booleans of the records are 16-bit integers holding -1 or 0.
inline constexpr std::int16_t kTrue = -1;
inline constexpr std::int16_t kFalse = 0;

using TypeText = FixedText<3>;
using ValueText = FixedText<100>;

// One element of a model, or one entry of a library. Value-initialised, its
// numbers are 0 and its text fields all NUL.
struct ObjRecord {
    TypeText type;                // kind: the library's type code ("C  ", "000", "con")
    ValueText parameters;         // first parameter; a junction's sign list when generating
    std::int16_t selected = 0;    // -1 while selected in the editor; not saved
    std::int16_t maxlin = 0;      // most bonds the element may take
    std::int16_t numlin = 0;      // bonds attached now; saved, never recounted on reading
    ValueText caption;            // the text its glyph shows
    std::int16_t top = 0;         // glyph's top edge, twips
    std::int16_t left = 0;        // glyph's left edge, twips
    ValueText parameter2;         // second parameter as typed
    std::int16_t index = 0;       // a connection point's input port, 0 while it is free
    std::int16_t maxsigninp = 0;  // a signal block's number of inputs
    std::int16_t signout = 0;     // a signal block's outputs; a port: -1 output, 0 input
    std::int16_t auxil1 = 0;      // glyph frame: 1 draws a thin border, 0 none
    std::int16_t auxil2 = 0;      // a "con": a port's block, or a point's predecessor
    std::int16_t auxil3 = 0;      // a port: its number among its block's inputs or outputs
    // Causality work fields, never saved.
    std::int16_t effin = 0;        // 1 when its last bond's stroke is at its end (effort in)
    std::int16_t strongobj = 0;    // a junction: the far end of its strong bond, 0 none
    std::int16_t strongfirst = 0;  // a junction: -1 as obj1 of its strong bond, 0 as obj2
    std::int16_t strongend = 0;    // a junction: 2, or 1 for a 1-junction at the obj2 end

    friend bool operator==(const ObjRecord&, const ObjRecord&) = default;
};

// One bond. causa: 0 none, 1 stroke at the obj2 end, 2 stroke at the obj1 end,
// 3 and above outside causality, 4 a signal link.
inline constexpr std::int16_t kSignalLink = 4;

struct LineRecord {
    std::int16_t causa = 0;     // the causal-stroke code above
    std::int16_t obj1 = 0;      // element at the first end
    std::int16_t obj2 = 0;      // element at the second end
    std::int16_t selected = 0;  // -1 while selected in the editor; not saved

    friend bool operator==(const LineRecord&, const LineRecord&) = default;
};

}  // namespace vantor
