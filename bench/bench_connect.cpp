// Drawing a bond in a model at its limits, 1000 elements and 1000 bonds: one
// step of the rubber band (the element under the pointer, the duplicate-bond
// check over every bond, the pointer shape and the auto-scroll check).
#include <benchmark/benchmark.h>

#include "display/redraw.h"
#include "editor/connect.h"
#include "model/element_kinds.h"

namespace {

using vantor::kMaxBonds;
using vantor::kMaxElements;

// 1000 junctions on a grid, bonds 1..999 joining neighbours, and bond 1000
// the one being drawn from the last junction.
void build(vantor::ModelWindow& window) {
    vantor::init_model_window(window, 1);
    window.viewport.width = window.viewport.height = 30000;
    vantor::Model& m = window.model;
    for (int i = 1; i <= kMaxElements; ++i) {
        vantor::ObjRecord& o = m.objs[static_cast<std::size_t>(i)];
        o = vantor::ObjRecord{};
        o.type = i % 2 == 0 ? "000" : "111";
        o.caption = i % 2 == 0 ? "0" : "1";
        o.maxlin = 10;
        o.left = static_cast<std::int16_t>(200 + (i - 1) % 25 * 600);
        o.top = static_cast<std::int16_t>(200 + (i - 1) / 25 * 480);
        vantor::load_glyph(window, i);
        vantor::leeimagen(window, i);
    }
    m.nobj = kMaxElements;
    for (int j = 1; j < kMaxBonds; ++j) {
        m.lines[static_cast<std::size_t>(j)] = {0, static_cast<std::int16_t>(j),
                                                static_cast<std::int16_t>(j + 1), 0};
        vantor::load_bond_lines(window, j);
    }
    m.nlin = kMaxBonds - 1;
    window.mouse.overobj = kMaxElements;
    window.MousePointer = vantor::kPointerCross;
}

void BM_RubberBandStep(benchmark::State& state) {
    vantor::ModelWindow window;
    vantor::AppState app;
    build(window);
    vantor::refresco(window, app);
    // The first step starts the bond: number 1000.
    vantor::bond_drawing_step(window, app, 200, 200);
    // Over element 998: the hit test passes 997 elements first, and no bond
    // joins it to element 1000, so the duplicate check reads every bond.
    const vantor::Glyph& target = window.image1[998];
    const float x = target.left + target.width / 2;
    const float y = target.top + target.height / 2;
    for (auto _ : state) {
        vantor::bond_drawing_step(window, app, x, y);
        benchmark::DoNotOptimize(window.MousePointer);
    }
    if (window.model.nlin != kMaxBonds || window.MousePointer != vantor::kPointerConnect)
        state.SkipWithError("the rubber band is not over a valid target at the limit");
}
BENCHMARK(BM_RubberBandStep)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
