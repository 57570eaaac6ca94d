// The keyboard table made from the command tables, and the README's copy of it.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "app/keys_table.h"

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

}  // namespace
}  // namespace vantor
