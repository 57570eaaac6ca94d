// The keyboard table made from the command tables, the README's copy of it,
// and the Open Recent list.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "app/keys_table.h"
#include "app/main_commands.h"
#include "app/recent_models.h"
#include "editor/commands.h"

namespace vantor {
namespace {

std::string file_text(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Regenerate it with build/keys.md, which the build writes.
TEST(KeysTable, TheReadmesTableIsTheGeneratedOne) {
    const std::string readme = file_text(VANTOR_README);
    const std::optional<std::string> regenerated = with_keys_table(readme, keys_markdown());
    ASSERT_TRUE(regenerated) << "README.md has no keys markers";
    EXPECT_EQ(*regenerated, readme) << "README.md's keys table is stale; the table is:\n"
                                    << keys_markdown();
    EXPECT_TRUE(with_keys_table(file_text(VANTOR_DATA_DIR "/bndgph.html"), keys_html()));
}

TEST(KeysTable, ReadsAsTheMenus) {
    const std::string md = keys_markdown();
    for (const char* line : {
             "| Ctrl+Y, Ctrl+Shift+Z | Edit > Redo | model window |\n",
             "| F7 | Run > Assign & Check Causality | model window |\n",
             "| F12 | Run > Undo Causality | model window |\n",
             "| F1 | Help > Contents | main and model windows |\n",
             "| Ctrl+N | File > New Model | every window |\n",
         }) {
        EXPECT_NE(md.find(line), std::string::npos) << line;
    }
    // The main window's disabled Copy and Paste are no keys of its own.
    EXPECT_EQ(md.find("main window |"), std::string::npos);
    EXPECT_NE(keys_html().find("<td>Run &gt; Assign &amp; Check Causality</td>"),
              std::string::npos);
}

TEST(KeysTable, TheTableGoesBetweenTheMarkersOnly) {
    struct Case {
        const char* text;
        std::optional<std::string> filled;
    };
    const Case cases[] = {
        {"a\n<!-- keys:begin -->\nold\n<!-- keys:end -->\nb\n",
         "a\n<!-- keys:begin -->\nT\n<!-- keys:end -->\nb\n"},
        {"<!-- keys:begin -->\n<!-- keys:end -->", "<!-- keys:begin -->\nT\n<!-- keys:end -->"},
        {"no markers\n", std::nullopt},
        {"<!-- keys:end -->\n<!-- keys:begin -->\n", std::nullopt},
        {"<!-- keys:begin --> <!-- keys:end -->\n", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(with_keys_table(c.text, "T\n"), c.filled) << c.text;
}

TEST(RecentModels, KeepsTenMostRecentFirstWithoutRepeats) {
    using List = std::vector<std::string>;
    List list;
    for (int n = 1; n <= 12; ++n) list = with_recent_model(list, "m" + std::to_string(n));
    EXPECT_EQ(list, (List{"m12", "m11", "m10", "m9", "m8", "m7", "m6", "m5", "m4", "m3"}));
    EXPECT_EQ(with_recent_model(list, "m7"),
              (List{"m7", "m12", "m11", "m10", "m9", "m8", "m6", "m5", "m4", "m3"}));
    EXPECT_EQ(without_recent_model(list, "m12").front(), "m11");
    EXPECT_EQ(without_recent_model(list, "m12").size(), 9u);
    EXPECT_EQ(without_recent_model(list, "gone"), list);
}

}  // namespace
}  // namespace vantor
