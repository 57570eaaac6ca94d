#include "display/bond_geometry.h"

#include <cmath>

namespace vantor {

namespace {

double sgn(double x) {
    return x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0);
}

struct Circle {
    double cx, cy, r;
};

Circle corner_circle(const GlyphBox& g) {
    const double hw = g.width / 2;
    const double hh = g.height / 2;
    return {g.left + hw, g.top + hh, std::sqrt(hw * hw + hh * hh)};
}

}  // namespace

Segment bond_line(const GlyphBox& a, const GlyphBox& b, bool signal_link) {
    const Circle ca = corner_circle(a);
    const Circle cb = corner_circle(b);
    const double dx = signal_link ? 0.0 : ca.cx - cb.cx;
    const double dy = signal_link ? 0.0 : ca.cy - cb.cy;
    double length = std::sqrt(dx * dx + dy * dy);
    if (length == 0) length = kZeroLengthGuard;

    Segment line;
    line.x1 = static_cast<float>(ca.cx - dx * ca.r / length);
    line.y1 = static_cast<float>(ca.cy - dy * ca.r / length);
    line.x2 = static_cast<float>(cb.cx + dx * cb.r / length);
    line.y2 = static_cast<float>(cb.cy + dy * cb.r / length);

    // The snap compares the singles the line now holds.
    if (std::fabs(static_cast<double>(line.x1) - line.x2) < kSnapTolerance) line.x2 = line.x1;
    if (std::fabs(static_cast<double>(line.y1) - line.y2) < kSnapTolerance) line.y2 = line.y1;
    return line;
}

BondDirection bond_direction(const Segment& line) {
    double u = static_cast<double>(line.x2) - line.x1;
    const double v = static_cast<double>(line.y1) - line.y2;
    BondDirection d;
    if (u == 0) {
        d.theta = (kPi / 2) * sgn(v);
        u = kZeroLengthGuard;
    } else {
        d.theta = std::atan(v / u);
    }
    d.sign = sgn(u);
    return d;
}

Segment barb_segment(const Segment& line, const BondDirection& direction) {
    const double angle = direction.theta + kThreePi / 4;
    Segment barb;
    barb.x2 = line.x2;
    barb.y2 = line.y2;
    barb.x1 = static_cast<float>(line.x2 + kBarbLength * std::cos(angle) * direction.sign);
    barb.y1 = static_cast<float>(line.y2 - kBarbLength * std::sin(angle) * direction.sign);
    return barb;
}

Segment stroke_segment(const Segment& line, const BondDirection& direction, int causa) {
    const double qx = causa == 1 ? line.x2 : line.x1;
    const double qy = causa == 1 ? line.y2 : line.y1;
    const double phi = direction.theta + kPi / 2;
    const double cx = kStrokeHalfLength * std::cos(phi) * direction.sign;
    const double sy = kStrokeHalfLength * std::sin(phi) * direction.sign;
    Segment stroke;
    stroke.x1 = static_cast<float>(qx + cx);
    stroke.y1 = static_cast<float>(qy - sy);
    stroke.x2 = static_cast<float>(qx - cx);
    stroke.y2 = static_cast<float>(qy + sy);
    return stroke;
}

}  // namespace vantor
