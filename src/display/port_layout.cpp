#include "display/port_layout.h"

namespace vantor {

namespace {

double sgn(double x) {
    return x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0);
}

}  // namespace

double spread_offset(double side, double port_side, int k, int n) {
    return side * (0.5 + (k - (n + 1) / 2.0) / n) - port_side / 2;
}

PortOffset port_offset(const PortPlacement& p) {
    PortOffset o;
    if (p.caption == ">" || p.caption == "<") {
        const bool right = (p.caption == ">" && p.output) || (p.caption == "<" && !p.output);
        o.h = right ? p.owner_width : -p.port_width;
        o.v = spread_offset(p.owner_height, p.port_height, p.k, p.n);
        if (p.owner_is_junction) {
            o.v = kJunctionPortSide * sgn(o.h);
            o.h = kJunctionPortSide * sgn(o.h);
        }
        return o;
    }
    const bool below = (p.caption == "v" && p.output) || (p.caption == "^" && !p.output);
    o.v = below ? p.owner_height - p.port_height / 3 : -2 * p.port_height / 3;
    if (p.caption == "^") o.v += p.port_height / 5;
    o.h = spread_offset(p.owner_width, p.port_width, p.k, p.n);
    if (p.owner_is_junction) {
        o.v = kJunctionPortAcross * sgn(o.v);
        o.h = -kJunctionPortSide * sgn(o.v);
    }
    return o;
}

}  // namespace vantor
