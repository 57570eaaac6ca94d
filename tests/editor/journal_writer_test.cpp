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

EditorEvent event(EventKind kind) {
    EditorEvent e;
    e.kind = kind;
    return e;
}

TEST(JournalWriter, LinesLookAsTyped) {
    EditorEvent drop = event(EventKind::kDrop);
    drop.name = "bondgraph";
    drop.value = 3;
    drop.x = 850;
    drop.y = -700.25f;
    EditorEvent spaced = drop;
    spaced.name = "my lib";
    EditorEvent move = event(EventKind::kImageMouseMove);
    move.index = 4, move.button = 1, move.shift = 2, move.x = 0.1f, move.y = 1e-5f;
    EditorEvent far = event(EventKind::kFormMouseUp);
    far.x = 1e10f, far.y = -0.0f;
    EditorEvent caption = event(EventKind::kText1Change);
    caption.text = "a\\b\"c\rd\ne\tf \x80\x8D";
    EditorEvent typed = event(EventKind::kDialog);
    typed.name = "value2";
    typed.text = "2";
    EditorEvent button = event(EventKind::kDialog);
    button.name = "Apply";
    EditorEvent menu = event(EventKind::kMenu);
    menu.name = "selectall";
    EditorEvent scroll = event(EventKind::kVScroll);
    scroll.value = 20000;
    EditorEvent resize = event(EventKind::kResize);
    resize.x = 7335, resize.y = 3810;

    const struct {
        EditorEvent e;
        const char* line;
    } rows[] = {
        {drop, "drop bondgraph 3 850 -700.25"},
        {spaced, "drop \"my lib\" 3 850 -700.25"},
        {move, "image1_mousemove 4 1 2 0.100000001 0.00001"},
        {far, "form_mouseup 0 0 10000000000 -0"},
        {caption, "text1_change \"a\\\\b\\\"c\\rd\\ne\\tf \xE2\x82\xAC\xC2\x8D\""},
        {typed, "dialog value2 \"2\""},
        {button, "dialog Apply"},
        {menu, "menu selectall"},
        {scroll, "vscroll 20000"},
        {resize, "resize 7335 3810"},
        {event(EventKind::kFormLostFocus), "form_lostfocus"},
        {event(EventKind::kText1LostFocus), "text1_lostfocus"},
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
    EditorEvent e = event(EventKind::kImageMouseUp);
    e.index = 7;
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
    EditorEvent e = event(EventKind::kText1Change);
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
