#pragma once

#include "model/model.h"

namespace vantor::bench {

// Per chain: a source, 98 junctions alternating 0 and 1, a resistor at the far
// end and one doubled bond: 100 elements and 100 bonds. The source has the
// highest number and the junctions count down from it.
inline ModelWindowState chains() {
    ModelWindowState w;
    Model& m = w.model;
    auto add = [&](int number, const char* type) {
        m.objs[number] = ObjRecord{};
        m.objs[number].type = type;
    };
    auto bond = [&](int a, int b) {
        m.lines[++m.nlin] = {0, static_cast<std::int16_t>(a), static_cast<std::int16_t>(b), 0};
    };
    constexpr int kJunctions = 98;
    for (int chain = 0; chain < 10; ++chain) {
        const int base = chain * 100;
        const int r = base + 1;
        const int se = base + 100;
        auto junction = [&](int k) { return se - k; };  // k = 1 .. 98, next to the source first
        add(r, "R__");
        add(se, "Se_");
        for (int k = 1; k <= kJunctions; ++k) add(junction(k), k % 2 == 1 ? "000" : "111");
        bond(se, junction(1));
        for (int k = 1; k < kJunctions; ++k) bond(junction(k), junction(k + 1));
        bond(junction(kJunctions / 2), junction(kJunctions / 2 + 1));
        bond(junction(kJunctions), r);
    }
    m.nobj = 1000;
    return w;
}

}  // namespace vantor::bench
