// Assign & Check on 1000 elements and 1000 bonds: ten long junction chains,
// numbered so that every stroke travels against the element order, for the
// real commands and for the literal reference.
#include <benchmark/benchmark.h>

#include "causality/causality_commands.h"
#include "causality/reference_causality.h"

namespace {

class SilentHost : public vantor::CausalityHost {
  public:
    void show_message(const std::string&) override {}
    void selection_changed(int) override {}
    void redraw() override {}
};

// Per chain: a source, 98 junctions alternating 0 and 1, a resistor at the far
// end and one doubled bond: 100 elements and 100 bonds. The source has the
// highest number and the junctions count down from it.
vantor::ModelWindowState chains() {
    vantor::ModelWindowState w;
    vantor::Model& m = w.model;
    auto add = [&](int number, const char* type) {
        m.objs[number] = vantor::ObjRecord{};
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

template <class Assign>
void run(benchmark::State& state, Assign assign) {
    const vantor::ModelWindowState model = chains();
    SilentHost host;
    for (auto _ : state) {
        state.PauseTiming();
        vantor::ModelWindowState w = model;
        state.ResumeTiming();
        const auto outcome = assign(w, VANTOR_DATA_DIR, host);
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
