// The manual (Help > Contents) against the program: it names every command
// of the menus, its links lead somewhere and its pictures are there; and the
// keyboard table made from the command tables, with the README's copy of it.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <regex>
#include <set>
#include <string>

#include "app/keys_table.h"
#include "editor/commands.h"
#include "expected_file.h"

namespace vantor {
namespace {

const std::string kDataDir = VANTOR_DATA_DIR;
const std::string kManual = kDataDir + "/bndgph.html";

using test::file_text;

// What the help window shows: no tags, the entities read, every run of
// blanks and line breaks one blank.
std::string shown_text(const std::string& html) {
    std::string text = std::regex_replace(html, std::regex("<[^>]*>"), " ");
    const std::pair<const char*, const char*> entities[] = {
        {"&nbsp;", " "}, {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}};
    for (const auto& [entity, character] : entities) {
        text = std::regex_replace(text, std::regex(entity), character);
    }
    return std::regex_replace(text, std::regex("\\s+"), " ");
}

// A menu caption as it reads: "&Assign && Check Causality" is
// "Assign & Check Causality", "Print &Options..." is "Print Options".
std::string as_read(std::string_view caption) {
    std::string text;
    for (std::size_t k = 0; k < caption.size(); ++k) {
        if (caption[k] == '&' && k + 1 < caption.size()) ++k;
        text += caption[k];
    }
    if (text.ends_with("...")) text.resize(text.size() - 3);
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

TEST(Manual, NamesEveryCommandAndMenuOfTheModelWindow) {
    const std::string text = shown_text(file_text(kManual));
    ASSERT_GT(text.size(), 10000u);
    for (const Command& row : commands()) {
        if (row.placement != Placement::kItem) continue;
        const std::string caption = as_read(row.caption);
        EXPECT_NE(text.find(caption), std::string::npos) << "the manual never names " << caption;
    }
    for (const MenuInfo& menu : menus()) {
        const std::string caption = as_read(menu.caption);
        EXPECT_NE(text.find(caption), std::string::npos) << "the manual never names " << caption;
    }
}

TEST(Manual, EveryLinkLeadsToAnAnchorAndEveryPictureIsThereAndSmall) {
    const std::string html = file_text(kManual);
    std::set<std::string> anchors;
    const std::regex name("<a name=\"([^\"]+)\">");
    for (auto it = std::sregex_iterator(html.begin(), html.end(), name);
         it != std::sregex_iterator(); ++it) {
        EXPECT_TRUE(anchors.insert((*it)[1]).second) << "two anchors " << (*it)[1];
    }
    // The places the manual has always had, which links from outside may name.
    for (const char* kept : {"contents", "start", "build", "causality", "simulink", "templates",
                             "format", "library", "cli", "keys"}) {
        EXPECT_TRUE(anchors.count(kept)) << kept;
    }
    const std::regex link("href=\"#([^\"]+)\"");
    for (auto it = std::sregex_iterator(html.begin(), html.end(), link);
         it != std::sregex_iterator(); ++it) {
        EXPECT_TRUE(anchors.count((*it)[1])) << "a link to no anchor: #" << (*it)[1];
    }
    const std::regex picture("<img src=\"([^\"]+)\"");
    int pictures = 0;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), picture);
         it != std::sregex_iterator(); ++it, ++pictures) {
        const std::filesystem::path file = kDataDir + "/" + std::string((*it)[1]);
        ASSERT_TRUE(std::filesystem::is_regular_file(file)) << file;
        EXPECT_LT(std::filesystem::file_size(file), 64u * 1024) << file;
    }
    EXPECT_GE(pictures, 3);
}

// Regenerate it with build/keys.md, which the build writes.
TEST(KeysTable, TheReadmesTableIsTheGeneratedOne) {
    const std::string readme = file_text(VANTOR_README);
    const std::optional<std::string> regenerated = with_keys_table(readme, keys_markdown());
    ASSERT_TRUE(regenerated) << "README.md has no keys markers";
    EXPECT_EQ(*regenerated, readme) << "README.md's keys table is stale; the table is:\n"
                                    << keys_markdown();
    EXPECT_TRUE(with_keys_table(file_text(kManual), keys_html()));
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
