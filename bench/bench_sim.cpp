// Simulating generated diagrams: the DC motor example over 10 s of model time
// at a fixed step of 1e-4 s; an RC ladder at the element cap, 10,000 fixed
// steps; and the check of the ladder's generated file.
#include <benchmark/benchmark.h>

#include <cmath>
#include <stdexcept>
#include <string>

#include "bench_models.h"
#include "causality/causality_commands.h"
#include "model/model_reader.h"
#include "sim/generated_check.h"
#include "sim/simulator.h"
#include "simulink/generate.h"

namespace {

using namespace vantor;

using bench::MemoryHost;

std::string generate(ModelWindowState window, const std::string& name) {
    MemoryHost host;
    assign_Click(window, read_priority_tables(VANTOR_DATA_DIR), host);
    const GenerateResult result = generate_Click(window, {VANTOR_DATA_DIR, 3, name, {}}, host);
    if (result.outcome != GenerateOutcome::kWritten)
        throw std::runtime_error("generation of " + name + " failed");
    return host.text;
}

using bench::rc_ladder;

// The ladder, generated and read back, with a scope on the last capacitor.
struct Ladder {
    std::string text;
    sim::Diagram diagram;
};

const Ladder& ladder() {
    static const Ladder built = [] {
        Ladder l;
        l.text = generate(rc_ladder(), "ladder");
        l.diagram = sim::read_generated(l.text, sim::GeneratedForm::kScript);
        const std::string last_voltage = std::to_string(1 + 4 * bench::kLadderSections) + "e";
        l.diagram.blocks.push_back({"scope", "Scope", {}, {}});
        l.diagram.lines.push_back({last_voltage, 1, "scope", 1});
        return l;
    }();
    return built;
}

sim::SimulationOptions fixed_step(double step, double stop) {
    sim::SimulationOptions options;
    options.solver = sim::SolverKind::kFixed;
    options.fixed_step = step;
    options.stop_time = stop;
    return options;
}

void BM_DcMotorFixedStep(benchmark::State& state) {
    ModelWindowState window;
    leerarchivo(window, std::string(VANTOR_EXAMPLES_DIR) + "/dc_motor.bgf");
    const std::string text = generate(window, "dc_motor");
    const sim::SimulationOptions options = fixed_step(1e-4, 10);
    for (auto _ : state) {
        const sim::SimulationResult r = sim::simulate(text, sim::GeneratedForm::kScript, options);
        if (r.time.size() != 100'001 || r.status != sim::SimulationStatus::kCompleted)
            state.SkipWithError("the run did not complete");
        benchmark::DoNotOptimize(r.scopes);
    }
}
BENCHMARK(BM_DcMotorFixedStep)->Unit(benchmark::kMillisecond);

void BM_RcLadderFixedStep(benchmark::State& state) {
    const sim::Diagram& diagram = ladder().diagram;
    const sim::SimulationOptions options = fixed_step(1e-4, 1);
    for (auto _ : state) {
        const sim::SimulationResult r = sim::simulate(diagram, options);
        const double v = r.scopes.at("scope").at(0).back();
        if (r.time.size() != 10'001 || !std::isfinite(v))
            state.SkipWithError("the run did not complete");
    }
    state.counters["blocks"] = static_cast<double>(diagram.blocks.size());
}
BENCHMARK(BM_RcLadderFixedStep)->Unit(benchmark::kMillisecond);

void BM_CheckGeneratedLadder(benchmark::State& state) {
    const std::string& text = ladder().text;
    for (auto _ : state) {
        const auto problems = sim::check_generated(text, sim::GeneratedForm::kScript);
        if (!problems.empty()) state.SkipWithError(problems.front().message.c_str());
    }
    state.counters["bytes"] = static_cast<double>(text.size());
}
BENCHMARK(BM_CheckGeneratedLadder)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
