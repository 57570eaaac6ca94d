// A long run streams: Run > Simulate's road on the series RLC at a fixed
// step, every row written as CSV to a sink that only counts the bytes, the
// charts keeping their thinned copy. Rows per second, and the process's peak
// resident memory, which stays flat as the run grows tenfold.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <ostream>
#include <streambuf>

#include "app/simulation_run.h"
#include "causality/causality_commands.h"
#include "model/model_reader.h"

namespace {

using namespace vantor;

class Quiet : public CausalityHost {
  public:
    void show_message(const std::string&) override {}
    void selection_changed(int) override {}
    void redraw() override {}
};

// Counts what it is given, keeping nothing.
class CountingBuffer : public std::streambuf {
  public:
    std::streamsize bytes = 0;

  protected:
    std::streamsize xsputn(const char*, std::streamsize n) override {
        bytes += n;
        return n;
    }
    int_type overflow(int_type c) override {
        ++bytes;
        return traits_type::not_eof(c);
    }
};

double peak_rss_mb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // kB on Linux
}

void BM_SeriesRlcStreamsRows(benchmark::State& state) {
    ModelWindowState window;
    leerarchivo(window, std::string(VANTOR_EXAMPLES_DIR) + "/series_rlc.bgf");
    Quiet quiet;
    assign_Click(window, read_priority_tables(VANTOR_DATA_DIR), quiet);
    const auto rows = static_cast<double>(state.range(0));
    SimulateRequest request;
    request.program_dir = VANTOR_DATA_DIR;
    request.window_caption = "series_rlc";
    request.settings.solver = sim::SolverKind::kFixed;
    request.settings.stop_time = 10;
    request.settings.fixed_step = 10 / (rows - 1);
    CountingBuffer buffer;
    std::ostream csv(&buffer);
    request.open_csv = [&csv]() -> std::ostream* { return &csv; };
    std::int64_t written = 0;
    for (auto _ : state) {
        ModelWindowState copy = window;
        const SimulationRun run = simulate_model(copy, request, quiet);
        if (run.outcome != SimulateOutcome::kCompleted) state.SkipWithError(run.message.c_str());
        written += run.rows;
        benchmark::DoNotOptimize(run.plots);
    }
    state.counters["rows/s"] =
        benchmark::Counter(static_cast<double>(written), benchmark::Counter::kIsRate);
    state.counters["csv_MB"] = static_cast<double>(buffer.bytes) / 1e6;
    state.counters["peak_rss_MB"] = peak_rss_mb();
}
BENCHMARK(BM_SeriesRlcStreamsRows)
    ->Arg(100'001)
    ->Arg(1'000'001)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
