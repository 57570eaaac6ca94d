// The state equations: the DC motor simulated by the generated diagram and by
// its equations for 1e5 fixed steps each; the derivation of every example,
// alone and with all that the State Equations window shows;
// and an RC ladder at the element cap derived with A B C D and poles, shown
// symbolic and with the parameter values in.
#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

#include "app/equations_follower.h"
#include "bench_models.h"
#include "causality/causality_commands.h"
#include "equations/analysis.h"
#include "equations/equation_engine.h"
#include "equations/formats.h"
#include "model/model_reader.h"
#include "sim/simulator.h"
#include "simulink/generate.h"

namespace {

using namespace vantor;

using bench::MemoryHost;

ModelWindowState causal(const std::string& example) {
    ModelWindowState window;
    leerarchivo(window, std::string(VANTOR_EXAMPLES_DIR) + "/" + example);
    MemoryHost host;
    assign_Click(window, read_priority_tables(VANTOR_DATA_DIR), host);
    return window;
}

sim::Diagram diagram_of(ModelWindowState window, const std::string& name) {
    MemoryHost host;
    const GenerateResult result = generate_Click(window, {VANTOR_DATA_DIR, 3, name, {}}, host);
    if (result.outcome != GenerateOutcome::kWritten)
        throw std::runtime_error("generation of " + name + " failed");
    return sim::read_generated(host.text, sim::GeneratedForm::kScript);
}

sim::SimulationOptions fixed_steps() {
    sim::SimulationOptions options;
    options.solver = sim::SolverKind::kFixed;
    options.fixed_step = 1e-4;
    options.stop_time = 10;  // 1e5 steps
    return options;
}

void check(benchmark::State& state, const sim::SimulationResult& r) {
    if (r.time.size() != 100'001 || r.status != sim::SimulationStatus::kCompleted)
        state.SkipWithError("the run did not complete");
}

// Both runs include their compilation: the diagram's blocks, the equations' programs.
void BM_DcMotorByDiagram(benchmark::State& state) {
    const sim::Diagram diagram = diagram_of(causal("dc_motor.bgf"), "dc_motor");
    for (auto _ : state) {
        const sim::SimulationResult r = sim::simulate(diagram, fixed_steps());
        check(state, r);
        benchmark::DoNotOptimize(r.scopes);
    }
}
BENCHMARK(BM_DcMotorByDiagram)->Unit(benchmark::kMillisecond);

void BM_DcMotorByEquations(benchmark::State& state) {
    const equations::EquationSystem system =
        equations::derive_equations(causal("dc_motor.bgf").model);
    for (auto _ : state) {
        const sim::SimulationResult r = equations::simulate_equations(system, 10, fixed_steps());
        check(state, r);
        benchmark::DoNotOptimize(r.scopes);
    }
}
BENCHMARK(BM_DcMotorByEquations)->Unit(benchmark::kMillisecond);

const char* const kExamples[] = {
    "series_rlc.bgf",     "mass_spring_damper.bgf", "dc_motor.bgf",       "parallel_rc.bgf",
    "quarter_car.bgf",    "two_tanks.bgf",          "two_capacitors.bgf", "coupled_masses.bgf",
    "algebraic_loop.bgf", "geared_inertias.bgf"};

// Derivation and reduction, then linearity, the matrices and the poles.
void BM_DeriveExample(benchmark::State& state) {
    const char* example = kExamples[state.range(0)];
    state.SetLabel(example);
    const ModelWindowState window = causal(example);
    for (auto _ : state) {
        const equations::EquationSystem system = equations::derive_equations(window.model);
        const equations::Analysis analysis = equations::analyse(system);
        benchmark::DoNotOptimize(analysis.poles);
    }
}
BENCHMARK(BM_DeriveExample)->DenseRange(0, std::size(kExamples) - 1)->Unit(benchmark::kMillisecond);

// What the State Equations window does after an action: derive, analyse and
// typeset everything it shows (both forms, the transfer functions).
void BM_FollowExample(benchmark::State& state) {
    const char* example = kExamples[state.range(0)];
    state.SetLabel(example);
    const ModelWindowState window = causal(example);
    for (auto _ : state) {
        EquationsFollower follower([] {});
        follower.follow(window.model);
        benchmark::DoNotOptimize(follower.snapshot().equations_html[1]);
    }
}
BENCHMARK(BM_FollowExample)->DenseRange(0, std::size(kExamples) - 1)->Unit(benchmark::kMillisecond);

// The ladder with its causality: 249 states.
ModelWindowState rc_ladder() {
    ModelWindowState w = bench::rc_ladder();
    MemoryHost host;
    assign_Click(w, read_priority_tables(VANTOR_DATA_DIR), host);
    return w;
}

// What vantor-cli equations does: derive, analyse (A B C D, poles), print.
void BM_RcLadderEquations(benchmark::State& state) {
    const ModelWindowState window = rc_ladder();
    const bool numeric = state.range(0) == 1;
    state.SetLabel(numeric ? "--numeric" : "symbolic");
    for (auto _ : state) {
        const equations::EquationSystem system = equations::derive_equations(window.model);
        const equations::Analysis analysis = equations::analyse(system);
        if (!analysis.numeric || analysis.poles.size() != 249) state.SkipWithError("no poles");
        const std::string text = equations::format_text(system, analysis, {numeric, "ladder"});
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_RcLadderEquations)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
