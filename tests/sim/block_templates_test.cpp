#include "sim/block_templates.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <tuple>

#include "sim/element_numbers.h"
#include "test_scratch.h"

namespace vantor::sim {
namespace {

namespace fs = std::filesystem;

TEST(ElementNumbers, BeginGeneratedBlockNames) {
    EXPECT_EQ(element_number("12q"), 12);
    EXPECT_EQ(element_number("7scope"), 7);
    EXPECT_EQ(element_number("q12"), std::nullopt);
    EXPECT_EQ(element_number(""), std::nullopt);
    EXPECT_EQ(element_numbers({"12q", "3e", "12f", "sum", "3q"}), (std::vector<int>{3, 12}));
}

TEST(BlockTemplates, FindTheTemplatesThatWriteABlock) {
    const TemplateOf shipped = templates_in_folder(std::string(VANTOR_DATA_DIR) + "/code3");
    const std::tuple<Block, const char*> cases[] = {
        {{"3q", "Integrator", {}, {}}, "C__.cod"},    // only C in integral causality
        {{"12p", "Integrator", {}, {}}, "I__1.cod"},  // I in integral causality
        {{"4int", "Integrator", {}, {}}, "int.cod or int1.cod"},
        {{"5zz", "Gain", {}, {}}, ""},      // no template writes it
        {{"q", "Integrator", {}, {}}, ""},  // not a generated name
    };
    for (const auto& [block, expected] : cases) EXPECT_EQ(shipped(block), expected) << block.name;

    // A template edited to write a type of its own is told from the others
    // that write blocks of the same name.
    const fs::path folder = fs::path(vantor::test::scratch_dir()) / "edited";
    fs::create_directories(folder);
    fs::copy(fs::path(VANTOR_DATA_DIR) / "code3", folder, fs::copy_options::overwrite_existing);
    std::ofstream(folder / "R__1.cod", std::ios::binary)
        << "add_block('built-in/Lookup',[sys '/#obj#f'],'Table','#parameters#');#flow_out##f#\n";
    EXPECT_EQ(templates_in_folder(folder.string())({"4f", "Lookup", {}, {}}), "R__1.cod");
    EXPECT_EQ(templates_in_folder((folder / "none").string())({"4f", "Gain", {}, {}}), "");
}

}  // namespace
}  // namespace vantor::sim
