// Writing journal lines: what is written reads back as the same event, bit
// for bit, and the text looks as a person would type it.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>

#include "editor/journal_reader.h"
#include "editor/journal_writer.h"

namespace vantor {
namespace {

EditorEvent read_back(const std::string& line) {
    const Journal j = parse_journal(line + "\n", "w.jnl");
    EXPECT_EQ(j.entries.size(), 1u) << line;
    return j.entries.empty() ? EditorEvent{} : j.entries[0].event;
}

void expect_same(const EditorEvent& a, const EditorEvent& b, const std::string& line) {
    EXPECT_EQ(a.kind, b.kind) << line;
    EXPECT_EQ(a.index, b.index) << line;
    EXPECT_EQ(a.button, b.button) << line;
    EXPECT_EQ(a.shift, b.shift) << line;
    EXPECT_EQ(std::bit_cast<std::uint32_t>(a.x), std::bit_cast<std::uint32_t>(b.x)) << line;
    EXPECT_EQ(std::bit_cast<std::uint32_t>(a.y), std::bit_cast<std::uint32_t>(b.y)) << line;
    EXPECT_EQ(a.value, b.value) << line;
    EXPECT_EQ(a.name, b.name) << line;
    EXPECT_EQ(a.text, b.text) << line;
}

using K = EventKind;

// An event from its fields in their order: I, Button, Shift, X, Y, value, name, text.
EditorEvent ev(K kind, int index, int button, int shift, float x, float y, int value = 0,
               const std::string& name = "", const std::string& text = "") {
    return EditorEvent{kind, index, button, shift, x, y, value, name, text};
}

TEST(JournalWriter, LinesLookAsTyped) {
    const struct {
        EditorEvent e;
        const char* line;
    } rows[] = {
        {ev(K::kDrop, 0, 0, 0, 850, -700.25f, 3, "bondgraph"), "drop bondgraph 3 850 -700.25"},
        {ev(K::kDrop, 0, 0, 0, 850, -700.25f, 3, "my lib"), "drop \"my lib\" 3 850 -700.25"},
        {ev(K::kImageMouseMove, 4, 1, 2, 0.1f, 1e-5f),
         "image1_mousemove 4 1 2 0.100000001 0.00001"},
        {ev(K::kFormMouseUp, 0, 0, 0, 1e10f, -0.0f), "form_mouseup 0 0 10000000000 -0"},
        {ev(K::kText1Change, 0, 0, 0, 0, 0, 0, "", "a\\b\"c\rd\ne\tf \x80\x8D"),
         "text1_change \"a\\\\b\\\"c\\rd\\ne\\tf \xE2\x82\xAC\xC2\x8D\""},
        {ev(K::kDialog, 0, 0, 0, 0, 0, 0, "value2", "2"), "dialog value2 \"2\""},
        {ev(K::kDialog, 0, 0, 0, 0, 0, 0, "Apply"), "dialog Apply"},
        {ev(K::kMenu, 0, 0, 0, 0, 0, 0, "selectall"), "menu selectall"},
        {ev(K::kVScroll, 0, 0, 0, 0, 0, 20000), "vscroll 20000"},
        {ev(K::kResize, 0, 0, 0, 7335, 3810), "resize 7335 3810"},
        {ev(K::kImageDblClick, 2, 0, 0, 0, 0), "image1_dblclick 2"},
        {ev(K::kFormLostFocus, 0, 0, 0, 0, 0), "form_lostfocus"},
    };
    for (const auto& row : rows) {
        const std::string line = format_journal_line(row.e);
        EXPECT_EQ(line, row.line);
        expect_same(read_back(line), row.e, line);
    }
}

TEST(JournalWriter, EverySingleReadsBackBitForBit) {
    std::mt19937 random(20240607);
    std::uniform_int_distribution<std::uint32_t> bits;
    EditorEvent e = ev(K::kImageMouseUp, 7, 0, 0, 0, 0);
    for (int n = 0; n < 20000; ++n) {
        e.x = std::bit_cast<float>(bits(random));
        e.y = static_cast<float>(n) * 0.37f - 3000.0f;
        if (!std::isfinite(e.x)) continue;
        const std::string line = format_journal_line(e);
        ASSERT_EQ(line.find('e', std::string("image1_mouseup").size()), std::string::npos)
            << line;  // no exponent
        expect_same(read_back(line), e, line);
        if (HasFailure()) return;
    }
}

TEST(JournalWriter, EveryByteOfTheCodePageReadsBack) {
    EditorEvent e = ev(K::kText1Change, 0, 0, 0, 0, 0);
    for (int b = 0; b < 256; ++b) e.text += static_cast<char>(b);
    const std::string line = format_journal_line(e);
    expect_same(read_back(line), e, "all bytes");
}

TEST(JournalWriter, CommentsStayOnOneLine) {
    EXPECT_EQ(format_journal_comment("window 2: a\r\nb"), "# window 2: a  b");
    EXPECT_TRUE(parse_journal(format_journal_comment("x\ny") + "\n", "c.jnl").entries.empty());
}

}  // namespace
}  // namespace vantor
