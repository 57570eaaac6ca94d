#pragma once

namespace vantor {

// The geometry of a bond's three line segments, as pure arithmetic on glyph
// rectangles. Arithmetic is double; the segment end points are singles, as the
// line controls hold them, and every later step reads those singles back.

// A glyph's rectangle: its element's `left` and `top`, its glyph's Width and
// Height (twips).
struct GlyphBox {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

struct Segment {
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    friend bool operator==(const Segment&, const Segment&) = default;
};

inline constexpr double kSnapTolerance = 30;
inline constexpr double kBarbLength = 150;
inline constexpr double kStrokeHalfLength = 120;
inline constexpr double kZeroLengthGuard = 0.0001;
// The angles use these decimal values, not pi to full precision.
inline constexpr double kPi = 3.14159;
inline constexpr double kThreePi = 9.42477;

// The bond line from glyph a (obj1) to glyph b (obj2): between the circles
// through the glyphs' corners, along the line of centres; a signal link runs
// centre to centre. A line within 30 twips of horizontal or vertical is made
// exactly so by moving its obj2 end.
Segment bond_line(const GlyphBox& a, const GlyphBox& b, bool signal_link);

// The line's angle (vertical axis turned upwards) and the sign of its
// horizontal extent, which together orient the barb and the stroke.
struct BondDirection {
    double theta = 0;
    double sign = 0;
};
BondDirection bond_direction(const Segment& line);

// The half-arrow: 150 twips back from the obj2 end at 135 degrees from the
// direction of power, on its left as seen on the screen.
Segment barb_segment(const Segment& line, const BondDirection& direction);

// The causal stroke, a 240-twip bar across the obj2 end (causa 1) or the obj1
// end (causa 2).
Segment stroke_segment(const Segment& line, const BondDirection& direction, int causa);

// Whether a causa draws a stroke: 1 and 2 do.
inline bool has_stroke(int causa) {
    return causa > 0 && causa < 3;
}

}  // namespace vantor
