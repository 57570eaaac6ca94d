// Reading and writing a model of 1000 elements and 1000 bonds, in memory and
// through the file system.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "model/model_reader.h"
#include "model/model_writer.h"

namespace {

vantor::Model full_model() {
    vantor::Model m;
    m.nobj = vantor::kMaxElements;
    m.nlin = vantor::kMaxBonds;
    for (int i = 1; i <= m.nobj; ++i) {
        vantor::ObjRecord& o = m.objs[i];
        o.type = i % 3 == 0 ? "000" : (i % 3 == 1 ? "111" : "C");
        o.parameters = "1e-3";
        o.caption = "element " + std::to_string(i);
        o.parameter2 = "0";
        o.maxlin = 10;
        o.numlin = 2;
        o.top = static_cast<std::int16_t>((i / 40) * 600);
        o.left = static_cast<std::int16_t>((i % 40) * 450);
    }
    for (int j = 1; j <= m.nlin; ++j) {
        m.lines[j].causa = static_cast<std::int16_t>(j % 3);
        m.lines[j].obj1 = static_cast<std::int16_t>(j);
        m.lines[j].obj2 = static_cast<std::int16_t>(j % m.nobj + 1);
    }
    return m;
}

void BM_FormatAndParseInMemory(benchmark::State& state) {
    const vantor::Model model = full_model();
    for (auto _ : state) {
        const std::string text = vantor::format_model(model);
        vantor::Model back = vantor::parse_model(text, "bench.bgf");
        benchmark::DoNotOptimize(back.nobj);
    }
}
BENCHMARK(BM_FormatAndParseInMemory)->Unit(benchmark::kMillisecond);

void BM_Format(benchmark::State& state) {
    const vantor::Model model = full_model();
    for (auto _ : state) benchmark::DoNotOptimize(vantor::format_model(model));
}
BENCHMARK(BM_Format)->Unit(benchmark::kMillisecond);

void BM_Parse(benchmark::State& state) {
    const std::string text = vantor::format_model(full_model());
    for (auto _ : state) benchmark::DoNotOptimize(vantor::parse_model(text, "bench.bgf").nobj);
}
BENCHMARK(BM_Parse)->Unit(benchmark::kMillisecond);

void BM_SaveAndReadFile(benchmark::State& state) {
    const vantor::Model model = full_model();
    const std::string path = "bench_model_files.bgf";
    for (auto _ : state) {
        vantor::write_model_file(path, model);
        vantor::Model back = vantor::read_model_file(path);
        benchmark::DoNotOptimize(back.nobj);
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_SaveAndReadFile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
