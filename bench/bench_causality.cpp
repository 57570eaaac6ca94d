// Assign & Check on 1000 elements and 1000 bonds: ten long junction chains,
// numbered so that every stroke travels against the element order, for the
// real commands and for the literal reference.
#include <benchmark/benchmark.h>

#include "causality/causality_commands.h"
#include "causality/reference_causality.h"
#include "chain_models.h"

namespace {

class SilentHost : public vantor::CausalityHost {
  public:
    void show_message(const std::string&) override {}
    void selection_changed(int) override {}
    void redraw() override {}
};

template <class Assign>
void run(benchmark::State& state, Assign assign) {
    const vantor::ModelWindowState model = vantor::bench::chains();
    SilentHost host;
    // Read once, as the window reads them once per command: the run times the passes.
    const vantor::PriorityTables tables = vantor::read_priority_tables(VANTOR_DATA_DIR);
    for (auto _ : state) {
        state.PauseTiming();
        vantor::ModelWindowState w = model;
        state.ResumeTiming();
        const auto outcome = assign(w, tables, host);
        state.PauseTiming();
        bool all_stroked = outcome == vantor::AssignOutcome::kCompleted;
        for (int j = 1; j <= w.model.nlin; ++j)
            all_stroked = all_stroked && w.model.lines[j].causa != 0;
        if (!all_stroked) state.SkipWithError("the chains did not get their strokes");
        state.ResumeTiming();
    }
}

void BM_AssignChains(benchmark::State& state) {
    run(state, vantor::assign_Click);
}
BENCHMARK(BM_AssignChains)->Unit(benchmark::kMillisecond);

void BM_AssignChainsReference(benchmark::State& state) {
    run(state, vantor::reference::assign_Click);
}
BENCHMARK(BM_AssignChainsReference)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
