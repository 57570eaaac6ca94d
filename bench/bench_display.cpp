// The display at the model's limits, 1000 elements and 1000 bonds: the full
// redraw, and one step of dragging the whole selection (the move, its partial
// redraw and the keep-in-view check).
#include <benchmark/benchmark.h>

#include <string>

#include "display/redraw.h"
#include "display/viewport.h"
#include "model/element_kinds.h"
#include "window/selection.h"

namespace {

using vantor::kMaxBonds;
using vantor::kMaxElements;

// A grid of 25 columns and 40 rows of one-ports and junctions, each joined
// to the next and a few across, with every kind of stroke and some links.
void build(vantor::ModelWindow& window) {
    vantor::init_model_window(window, 1);
    window.menus.showp = true;
    vantor::Model& m = window.model;
    const char* types[] = {"C  ", "R  ", "000", "111", "I  "};
    for (int i = 1; i <= kMaxElements; ++i) {
        vantor::ObjRecord& o = m.objs[static_cast<std::size_t>(i)];
        o = vantor::ObjRecord{};
        o.type = types[i % 5];
        o.caption =
            (i % 5 == 2 || i % 5 == 3) ? std::string(1, "01"[i % 5 - 2]) : "E" + std::to_string(i);
        o.parameters = "0.001";
        o.left = static_cast<std::int16_t>(200 + (i - 1) % 25 * 600);
        o.top = static_cast<std::int16_t>(200 + (i - 1) / 25 * 480);
        o.maxlin = 10;
        vantor::load_glyph(window, i);
        vantor::leeimagen(window, i);
    }
    m.nobj = kMaxElements;
    for (int j = 1; j <= kMaxBonds; ++j) {
        const int a = j <= 975 ? j : j - 975;
        const int b = j <= 975 ? j + 25 : j - 974;
        m.lines[static_cast<std::size_t>(j)] = {static_cast<std::int16_t>(j % 5),
                                                static_cast<std::int16_t>(a),
                                                static_cast<std::int16_t>(b), 0};
        vantor::load_bond_lines(window, j);
        window.linea[static_cast<std::size_t>(j)].visible = true;
        window.linea2[static_cast<std::size_t>(j)].visible = true;
    }
    m.nlin = kMaxBonds;
}

void BM_Refresco(benchmark::State& state) {
    vantor::ModelWindow window;
    vantor::AppState app;
    build(window);
    vantor::refresco(window, app);
    for (auto _ : state) {
        vantor::refresco(window, app);
        benchmark::DoNotOptimize(window.linea[500].x1);
    }
    if (window.model.nobj != kMaxElements || window.model.nlin != kMaxBonds)
        state.SkipWithError("the redraw changed the model's size");
}
BENCHMARK(BM_Refresco)->Unit(benchmark::kMicrosecond);

void BM_DragEverything(benchmark::State& state) {
    vantor::ModelWindow window;
    vantor::AppState app;
    build(window);
    vantor::refresco(window, app);
    for (int i = 1; i <= kMaxElements; ++i) vantor::select_element(window, app, i);
    for (int j = 1; j <= kMaxBonds; ++j) vantor::select_bond(window, app, j);
    float dx = 10;
    for (auto _ : state) {
        vantor::mover(window, app, 1, dx, dx);
        dx = -dx;
        benchmark::DoNotOptimize(window.linea[500].x1);
    }
    if (window.model.objs[1].left != 200 && window.model.objs[1].left != 210)
        state.SkipWithError("the group did not move back and forth");
}
BENCHMARK(BM_DragEverything)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
