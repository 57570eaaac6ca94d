// Every example model, analysed and generated with the shipped templates of
// each Simulink version, must give exactly its reviewed golden file
// tests/simulink/golden/<example>.code<v>.m. A missing golden file is
// reported, not accepted: the shipped template folders must be covered.
#include <gtest/gtest.h>

#include "test_scratch.h"

#include <filesystem>

#include "causality/causality_commands.h"
#include "model/file_reading.h"
#include "model/file_saving.h"
#include "model/model_reader.h"
#include "simulink/generate.h"

namespace vantor {
namespace {

namespace fs = std::filesystem;

// The first differing line, or nothing when the texts are equal.
std::optional<std::string> first_difference(const std::string& want, const std::string& got) {
    if (want == got) return std::nullopt;
    std::size_t line = 1;
    std::size_t i = 0;
    while (i < want.size() && i < got.size() && want[i] == got[i]) line += want[i++] == '\n';
    return "first difference in line " + std::to_string(line);
}

// What a user gets: Assign & Check, then Generate Simulink File.
std::string generated(const fs::path& example, int version) {
    struct Host : GenerationHost {
        std::string path;
        void show_message(const std::string&) override {}
        void selection_changed(int) override {}
        void redraw() override {}
        std::optional<std::string> ask_save_file(const SaveDialogRequest&) override { return path; }
        void set_busy(bool) override {}
    } host;
    host.path = test::scratch_dir() + example.stem().string() + ".m";
    ModelWindowState window;
    leerarchivo(window, example.string());
    assign_Click(window, read_priority_tables(VANTOR_DATA_DIR), host);
    const GenerateResult result =
        generate_Click(window, {VANTOR_DATA_DIR, version, example.stem().string(), {}}, host);
    EXPECT_EQ(result.outcome, GenerateOutcome::kWritten);
    EXPECT_TRUE(result.missing_templates.empty()) << *result.missing_templates.begin();
    return read_whole_file(host.path);
}

TEST(GoldenHarness, NoticesAChangedByte) {
    EXPECT_EQ(first_difference("a\nb\n", "a\nb\n"), std::nullopt);
    EXPECT_EQ(first_difference("a\nb\nc", "a\nB\nc"), "first difference in line 2");
    EXPECT_TRUE(first_difference("a", "a\n").has_value());
}

// A golden file with one changed byte must be caught: the harness can fail.
TEST(GoldenHarness, AWrongGoldenFileFails) {
    const fs::path wrong =
        fs::path(VANTOR_SOURCE_DIR) / "tests/simulink/golden_wrong/series_rlc.code3.m";
    const auto difference =
        first_difference(read_whole_file(wrong.string()),
                         generated(fs::path(VANTOR_EXAMPLES_DIR) / "series_rlc.bgf", 3));
    EXPECT_EQ(difference, "first difference in line 5");
}

TEST(GoldenFiles, MatchEveryExampleAndVersion) {
    const fs::path golden = fs::path(VANTOR_SOURCE_DIR) / "tests/simulink/golden";
    int examples = 0;
    int compared = 0;
    for (const auto& entry : fs::directory_iterator(VANTOR_EXAMPLES_DIR)) {
        if (entry.path().extension() != ".bgf") continue;
        ++examples;
        for (int version = 1; version <= 3; ++version) {
            const fs::path want =
                golden / (entry.path().stem().string() + ".code" + std::to_string(version) + ".m");
            SCOPED_TRACE(want.string());
            ASSERT_TRUE(fs::exists(want)) << "no golden file";
            const auto difference =
                first_difference(read_whole_file(want.string()), generated(entry.path(), version));
            EXPECT_FALSE(difference.has_value()) << *difference;
            ++compared;
        }
    }
    // Every shipped template set is compared on every example; a renamed or
    // missing set fails here instead of passing with nothing compared.
    EXPECT_EQ(examples, 11);
    EXPECT_EQ(compared, 33);
}

}  // namespace
}  // namespace vantor
