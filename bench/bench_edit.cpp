// The Edit menu at the model's limits: Select All then Delete on 1000
// elements and 1000 bonds, and Copy then Paste of 500 bonded elements into
// the same window, which fills it to the limits.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "display/window_load.h"
#include "editor/clipboard.h"
#include "editor/edit_commands.h"

namespace {

using namespace vantor;

class SilentHost : public EditorHost {
  public:
    void show_message(const std::string&) override {}
};

ObjRecord record(const char* type, const std::string& caption, int left, int top) {
    ObjRecord o;
    o.type = type;
    o.caption = caption;
    o.parameters = "1";
    o.maxlin = 10;
    o.left = static_cast<std::int16_t>(left);
    o.top = static_cast<std::int16_t>(top);
    return o;
}

void bond(Model& m, int a, int b, int causa) {
    m.lines[static_cast<std::size_t>(++m.nlin)] = {static_cast<std::int16_t>(causa),
                                                   static_cast<std::int16_t>(a),
                                                   static_cast<std::int16_t>(b), 0};
    if (causa < 4) {
        ++m.objs[static_cast<std::size_t>(a)].numlin;
        ++m.objs[static_cast<std::size_t>(b)].numlin;
    }
}

// `plain` one-ports and junctions in rows of 25, each bonded to the next two,
// then `blocks` gain blocks with an input and an output port each, every
// block's output linked to the next block's input, until `bonds` bonds.
std::unique_ptr<ModelWindow> grid(int plain, int blocks, int bonds) {
    static const char* const kTypes[] = {"C__", "000", "R__", "111", "I__"};
    auto window = std::make_unique<ModelWindow>();
    init_model_window(*window, 1);
    Model& m = window->model;
    auto add = [&m](const ObjRecord& o) { m.objs[static_cast<std::size_t>(++m.nobj)] = o; };
    for (int k = 0; k < plain; ++k) {
        add(record(kTypes[k % 5], "E" + std::to_string(k + 1), 200 + k % 25 * 600,
                   200 + k / 25 * 480));
    }
    const int first_block = m.nobj + 1;
    for (int k = 0; k < blocks; ++k) {
        const int b = m.nobj + 1;
        ObjRecord block = record("gai", "gain", 15600 + k % 5 * 900, 200 + k / 5 * 480);
        block.maxsigninp = block.signout = 1;
        add(block);
        for (int signout : {0, -1}) {
            ObjRecord port = record("con", ">", 0, 0);
            port.auxil2 = static_cast<std::int16_t>(b);
            port.auxil3 = 1;
            port.signout = static_cast<std::int16_t>(signout);
            add(port);
        }
    }
    for (int k = 0; k < blocks && m.nlin < bonds; ++k) {
        const int out = first_block + 3 * k + 2;
        const int in = first_block + 3 * ((k + 1) % blocks) + 1;
        bond(m, out, in, 4);
    }
    for (int step = 1; m.nlin < bonds; ++step) {
        for (int a = 1; a + step <= plain && m.nlin < bonds; ++a) bond(m, a, a + step, a % 3);
    }
    AppState app;
    show_loaded_model(*window, app);
    return window;
}

void BM_SelectAllThenDelete(benchmark::State& state) {
    const std::unique_ptr<ModelWindow> model = grid(400, 200, kMaxBonds);
    auto window = std::make_unique<ModelWindow>();
    AppState app;
    for (auto _ : state) {
        state.PauseTiming();
        *window = *model;
        state.ResumeTiming();
        selectall_Click(*window, app);
        ddelete_Click(*window, app);
        benchmark::DoNotOptimize(window->model.nobj);
    }
}
BENCHMARK(BM_SelectAllThenDelete)->Unit(benchmark::kMillisecond);

void BM_CopyThenPasteHalfTheLimit(benchmark::State& state) {
    const std::unique_ptr<ModelWindow> model = grid(500, 0, kMaxBonds / 2);
    auto window = std::make_unique<ModelWindow>();
    AppState app;
    SilentHost host;
    NoClipboard clipboard;
    for (auto _ : state) {
        state.PauseTiming();
        *window = *model;
        selectall_Click(*window, app);
        state.ResumeTiming();
        Copy_Click(*window, app, clipboard);
        paste_Click(*window, app, host);
        benchmark::DoNotOptimize(window->model.nobj);
    }
    if (window->model.nobj != kMaxElements || window->model.nlin != kMaxBonds) {
        state.SkipWithError("the paste did not fill the model");
    }
}
BENCHMARK(BM_CopyThenPasteHalfTheLimit)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
