#pragma once

#include <cstdint>

#include "model/fixed_text.h"

namespace vantor {

// Booleans of the records are 16-bit integers holding -1 or 0.
inline constexpr std::int16_t kTrue = -1;
inline constexpr std::int16_t kFalse = 0;

using TypeText = FixedText<3>;
using ValueText = FixedText<100>;

// One element of a model, or one entry of a library. Value-initialised, every
// byte is zero: numbers 0 and text fields all NUL.
struct ObjRecord {
    TypeText type;
    ValueText parameters;
    std::int16_t selected = 0;
    std::int16_t maxlin = 0;
    std::int16_t numlin = 0;
    ValueText caption;
    std::int16_t top = 0;
    std::int16_t left = 0;
    ValueText parameter2;
    std::int16_t index = 0;
    std::int16_t maxsigninp = 0;
    std::int16_t signout = 0;
    std::int16_t auxil1 = 0;
    std::int16_t auxil2 = 0;
    std::int16_t auxil3 = 0;
    // Causality work fields, never saved.
    std::int16_t effin = 0;
    std::int16_t strongobj = 0;
    std::int16_t strongfirst = 0;
    std::int16_t strongend = 0;

    friend bool operator==(const ObjRecord&, const ObjRecord&) = default;
};

// One bond. causa: 0 none, 1 stroke at the obj2 end, 2 stroke at the obj1 end,
// 3 and above outside causality, 4 a signal link.
inline constexpr std::int16_t kSignalLink = 4;

struct LineRecord {
    std::int16_t causa = 0;
    std::int16_t obj1 = 0;
    std::int16_t obj2 = 0;
    std::int16_t selected = 0;

    friend bool operator==(const LineRecord&, const LineRecord&) = default;
};

}  // namespace vantor
