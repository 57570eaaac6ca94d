#pragma once

#include <string_view>

namespace vantor {

// Where a signal port sits beside its owner, as an offset from the owner's
// `left` and `top` (twips, double). Pure arithmetic on glyph sizes.

inline constexpr double kJunctionPortSide = 200;    // horizontal ports, and across vertical ones
inline constexpr double kJunctionPortAcross = 300;  // vertical ports, up or down

// f(S, s'): the offset that centres port k of n (size s' along the side) at
// S * (k - 1/2) / n along a side of length S. n must not be 0.
double spread_offset(double side, double port_side, int k, int n);

struct PortPlacement {
    std::string_view caption;  // the port's trimmed caption: ">", "<", "v", "^"...
    bool output = false;       // the port's `signout` is not 0
    int k = 0;                 // the port's number, `auxil3`
    int n = 0;                 // the owner's count of such ports, not 0
    double owner_width = 0, owner_height = 0;
    double port_width = 0, port_height = 0;
    bool owner_is_junction = false;
};

struct PortOffset {
    double h = 0;
    double v = 0;
};

// Horizontal ports (">" and "<") sit on the owner's right when they point
// away from it, else on its left; the others sit below or above. Beside a
// junction the offsets are fixed.
PortOffset port_offset(const PortPlacement& p);

}  // namespace vantor
