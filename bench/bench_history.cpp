// The undo history at the model's limits (1000 elements, 1000 bonds): taking
// a snapshot, undoing a step, and the memory of a full history, both when an
// action changes one record and when it changes every record.
#include <benchmark/benchmark.h>

#include <string>

#include "display/redraw.h"
#include "display/window_load.h"
#include "editor/action_history.h"
#include "editor/history.h"

namespace {

using namespace vantor;

Model full_model() {
    Model m;
    for (int k = 1; k <= kMaxElements; ++k) {
        ObjRecord& o = m.objs[static_cast<std::size_t>(k)];
        o.type = "C__";
        o.parameters = "1";
        o.caption = "E" + std::to_string(k);
        o.parameter2 = "";
        o.maxlin = 10;
        o.left = static_cast<std::int16_t>(200 + k % 25 * 600);
        o.top = static_cast<std::int16_t>(200 + k / 25 * 480);
    }
    m.nobj = kMaxElements;
    for (int j = 1; j <= kMaxBonds; ++j) {
        m.lines[static_cast<std::size_t>(j)] = {1, static_cast<std::int16_t>(j),
                                                static_cast<std::int16_t>(j % kMaxElements + 1), 0};
    }
    m.nlin = kMaxBonds;
    return m;
}

// One element moved: the common action.
void move_one(Model& m, int step) {
    m.objs[static_cast<std::size_t>(step % kMaxElements + 1)].left =
        static_cast<std::int16_t>(step % 9000);
}

// Every record changed, as Select All does: the worst case for a snapshot.
void change_all(Model& m, int step) {
    const std::int16_t flag = step % 2 == 0 ? kTrue : kFalse;
    for (int k = 1; k <= m.nobj; ++k) {
        m.objs[static_cast<std::size_t>(k)].selected = flag;
        m.objs[static_cast<std::size_t>(k)].top = static_cast<std::int16_t>(step % 9000);
    }
    for (int j = 1; j <= m.nlin; ++j) m.lines[static_cast<std::size_t>(j)].selected = flag;
}

template <void (*Edit)(Model&, int)>
void BM_Commit(benchmark::State& state) {
    Model m = full_model();
    History history;
    history.reset(m);
    int step = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Edit(m, ++step);
        state.ResumeTiming();
        benchmark::DoNotOptimize(history.commit(m, "Move"));
    }
}
BENCHMARK(BM_Commit<move_one>)->Name("CommitOneRecordChanged")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Commit<change_all>)->Name("CommitAllRecordsChanged")->Unit(benchmark::kMicrosecond);

// Undo and redo in turn across a step that changed every record.
void BM_UndoRedoAllRecords(benchmark::State& state) {
    Model m = full_model();
    History history;
    history.reset(m);
    change_all(m, 1);
    history.commit(m, "Select All");
    bool undo = true;
    for (auto _ : state) {
        benchmark::DoNotOptimize(undo ? history.undo(m) : history.redo(m));
        undo = !undo;
    }
}
BENCHMARK(BM_UndoRedoAllRecords)->Unit(benchmark::kMicrosecond);

// Undo and redo as the Edit menu runs them on a window: the records put back
// and the full redraw, across a step that moved every element.
void BM_UndoRedoWithRedraw(benchmark::State& state) {
    ModelWindow window;
    init_model_window(window, 1);
    AppState app;
    window.model = full_model();
    show_loaded_model(window, app);
    ActionHistory history;
    history.start(window);
    for (int k = 1; k <= window.model.nobj; ++k) {
        window.model.objs[static_cast<std::size_t>(k)].top += 300;
    }
    refresco(window, app);
    history.after_command(window, "Move");
    bool undo = true;
    for (auto _ : state) {
        benchmark::DoNotOptimize(undo ? history.undo(window, app) : history.redo(window, app));
        undo = !undo;
    }
}
BENCHMARK(BM_UndoRedoWithRedraw)->Unit(benchmark::kMillisecond);

// A history filled to its capacity; memory_bytes is the counter to read.
template <void (*Edit)(Model&, int)>
void BM_FullHistoryMemory(benchmark::State& state) {
    for (auto _ : state) {
        Model m = full_model();
        History history;
        history.reset(m);
        for (int step = 1; step <= static_cast<int>(History::kDefaultCapacity) + 10; ++step) {
            Edit(m, step);
            history.commit(m, "Edit");
        }
        state.counters["steps"] = static_cast<double>(history.steps());
        state.counters["MB"] = static_cast<double>(history.memory_bytes()) / 1e6;
    }
}
BENCHMARK(BM_FullHistoryMemory<move_one>)
    ->Name("FullHistoryOneRecordChanged")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_FullHistoryMemory<change_all>)
    ->Name("FullHistoryAllRecordsChanged")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
