// Journals of 10,000 events on a 100-element model: reading the text, and
// replaying it through the handlers (hovering, glyph drags, selection
// rectangles, scrolling, Show Parameters, Assign & Check and Undo).
#include <benchmark/benchmark.h>

#include <string>

#include "display/window_load.h"
#include "journal/replay.h"

namespace {

using namespace vantor;

class SilentHost : public EditorHost {
  public:
    void show_message(const std::string&) override {}
};

// Ten rows of ten elements, each row a chain of bonds.
ModelWindowState grid_model() {
    static const char* const kTypes[] = {"Se_", "000", "C__", "111", "R__",
                                         "000", "I__", "111", "C__", "R__"};
    ModelWindowState w;
    Model& m = w.model;
    for (int k = 0; k < 100; ++k) {
        ObjRecord& o = m.objs[k + 1];
        o.type = kTypes[k % 10];
        o.caption = std::string(kTypes[k % 10]).substr(0, 2) + std::to_string(k + 1);
        o.parameters = "1.5";
        o.parameter2 = "";
        o.maxlin = 10;
        o.left = static_cast<std::int16_t>(600 + (k % 10) * 900);
        o.top = static_cast<std::int16_t>(400 + (k / 10) * 700);
        if (k % 10 != 0) {
            m.lines[++m.nlin] = {0, static_cast<std::int16_t>(k), static_cast<std::int16_t>(k + 1),
                                 0};
            ++m.objs[k].numlin;
            ++o.numlin;
        }
    }
    m.nobj = 100;
    return w;
}

std::string pointer(const char* event, int index, int button, int x, int y) {
    std::string line = event;
    if (index > 0) line += " " + std::to_string(index);
    return line + " " + std::to_string(button) + " 0 " + std::to_string(x) + " " +
           std::to_string(y) + "\n";
}

// 100 cycles of 100 events each.
std::string journal_text() {
    std::string text = "resize 12000 9000\n";
    for (int cycle = 0; cycle < 100; ++cycle) {
        const int i = cycle % 100 + 1;
        for (int k = 0; k < 20; ++k)
            text += pointer("form_mousemove", 0, 0, 300 + 37 * k, 250 + 11 * k);
        text += pointer("image1_mousemove", i, 1, 60, 60);
        for (int k = 1; k <= 20; ++k)
            text += pointer("image1_mousemove", i, 1, 60 + 7 * k, 60 + 3 * k);
        text += pointer("image1_mouseup", i, 1, 200, 120);
        text += "image1_click " + std::to_string(i) + "\n";
        // A rectangle around the first elements of the top rows.
        for (int k = 0; k < 21; ++k)
            text += pointer("form_mousemove", 0, 1, 400 + 90 * k, 200 + 60 * k);
        text += pointer("form_mouseup", 0, 1, 2290, 1460);
        for (int k = 0; k < 27; ++k) text += pointer("image1_mousemove", i, 0, 10 + k, 10 + k);
        text += "hscroll 600\nvscroll 400\nhscroll 0\nvscroll 0\nform_lostfocus\nmenu showp\n";
        if (cycle % 10 == 9) {
            text += "menu assign\nmenu undo\n";
        } else {
            text += pointer("form_mousemove", 0, 0, 100, 100) +
                    pointer("form_mousemove", 0, 0, 120, 100);
        }
    }
    return text;
}

void BM_ReadJournal(benchmark::State& state) {
    const std::string text = journal_text();
    for (auto _ : state) {
        const Journal j = parse_journal(text, "bench.jnl");
        benchmark::DoNotOptimize(j.entries.data());
    }
    state.SetItemsProcessed(state.iterations() * 10001);
}
BENCHMARK(BM_ReadJournal)->Unit(benchmark::kMillisecond);

void BM_ReplayJournal(benchmark::State& state) {
    const Journal journal = parse_journal(journal_text(), "bench.jnl");
    if (journal.entries.size() != 10001) state.SkipWithError("the journal is not 10,000 events");
    const ModelWindowState model = grid_model();
    SilentHost host;
    for (auto _ : state) {
        state.PauseTiming();
        AppState app;
        app.program_dir = VANTOR_DATA_DIR;
        ModelWindow window;
        init_model_window(window, 1);
        window.model = model.model;
        show_loaded_model(window, app);
        state.ResumeTiming();
        try {
            replay_journal(window, app, host, journal);
        } catch (const JournalError& e) {
            state.SkipWithError(e.what());
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * 10001);
}
BENCHMARK(BM_ReplayJournal)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
