// Generate Simulink File end to end on 1000 elements and 1000 bonds with a
// template for every element kind: Assign & Check, expansion, wiring, writing.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "causality/causality_commands.h"
#include "chain_models.h"
#include "simulink/generate.h"

namespace {

namespace fs = std::filesystem;

class BenchHost : public vantor::GenerationHost {
  public:
    explicit BenchHost(std::string out) : out_(std::move(out)) {}
    void show_message(const std::string&) override {}
    void selection_changed(int) override {}
    void redraw() override {}
    std::optional<std::string> ask_save_file(const vantor::SaveDialogRequest&) override {
        return out_;
    }
    void set_busy(bool) override {}

  private:
    std::string out_;
};

// A program folder with the shipped priority tables and templates of a
// realistic size for every type of the chains.
std::string make_program_dir() {
    const fs::path dir = fs::temp_directory_path() / "vantor_bench_generate";
    fs::remove_all(dir);
    fs::create_directories(dir / "code3");
    fs::copy(fs::path(VANTOR_DATA_DIR) / "library", dir / "library");
    const std::string block =
        "add_block('built-in/Gain',[sys '/#obj##flow_out##g#'],'Gain','#parameters#',"
        "'Position',[#left# #top# #center# #top#]);\r\n";
    const char* types[] = {"Se_", "R__", "000", "111"};
    for (const char* type : types) {
        for (const char* suffix : {".cod", "1.cod"}) {
            std::ofstream(dir / "code3" / (std::string(type) + suffix))
                << block << "% #caption# #effort_inp##e# #effort_out##e# #flow_inp##g#\r\n";
        }
    }
    std::ofstream(dir / "code3" / "sta.cod") << "sys = '#arch#';\r\nnew_system(sys);\r\n";
    std::ofstream(dir / "code3" / "lin.cod")
        << "add_line(sys,'#block1#/#con1#','#block2#/#con2#');\r\n";
    std::ofstream(dir / "code3" / "end.cod") << "open_system(sys);\r\n";
    return dir.string();
}

void BM_GenerateChains(benchmark::State& state) {
    const std::string program_dir = make_program_dir();
    const std::string out = program_dir + "/chains.m";
    // Generation refuses bonds without causality: analyse once beforehand.
    vantor::ModelWindowState model = vantor::bench::chains();
    BenchHost host(out);
    vantor::assign_Click(model, vantor::read_priority_tables(program_dir), host);
    for (auto _ : state) {
        state.PauseTiming();
        vantor::ModelWindowState w = model;
        state.ResumeTiming();
        const auto result = vantor::generate_Click(w, {program_dir, 3, "chains", {}}, host);
        if (result.outcome != vantor::GenerateOutcome::kWritten) state.SkipWithError("not written");
    }
    state.counters["bytes"] = static_cast<double>(fs::file_size(out));
    fs::remove_all(program_dir);
}
BENCHMARK(BM_GenerateChains)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
