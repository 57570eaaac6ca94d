// Journal lines: every kind read with its line number, the number and text
// rules, the faults that must stop a replay before anything runs, and what
// is written reading back as the same event, bit for bit. What replaying the
// lines does is pinned by the journal cases.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <tuple>

#include "journal/journal_reader.h"
#include "journal/journal_writer.h"

namespace vantor {
namespace {

EditorEvent only_event(const std::string& line) {
    const Journal j = parse_journal(line, "t.jnl");
    EXPECT_EQ(j.entries.size(), 1u) << line;
    return j.entries.empty() ? EditorEvent{} : j.entries[0].event;
}

// Every field, the coordinates bit for bit.
auto fields(const EditorEvent& e) {
    return std::tuple(e.kind, e.index, e.button, e.shift, std::bit_cast<std::uint32_t>(e.x),
                      std::bit_cast<std::uint32_t>(e.y), e.value, e.name, e.text);
}

// Each line as typed, and as the writer gives the event read from it ("" for
// lines that hold no event); the written line reads back as the same event.
TEST(JournalReader, ReadsEveryKindOfLineWithItsLineNumberAndWritesItAsTyped) {
    const std::pair<std::string, std::string> lines[] = {
        {"\xEF\xBB\xBF# made by hand", ""},
        {"resize 9000 4000.5\r", "resize 9000 4000.5"},
        {"", ""},
        {"  \t# indented comment", ""},
        {"hscroll 300", "hscroll 300"},
        {"vscroll 20000", "vscroll 20000"},
        {"drop bondgraph 3 850 -700.25", "drop bondgraph 3 850 -700.25"},
        {"drop \"my \xC3\xA9lib\" 2 0 0", "drop \"my \xC3\xA9lib\" 2 0 0"},
        {"form_mousemove\t1 0 10 20", "form_mousemove 1 0 10 20"},
        {"form_mouseup 2 1 +10.5 .5", "form_mouseup 2 1 10.5 0.5"},
        {"form_mouseup 0 0 10000000000 -0", "form_mouseup 0 0 10000000000 -0"},
        {"form_dblclick", "form_dblclick"},
        {"form_lostfocus", "form_lostfocus"},
        {"image1_mousemove 4 1 2 0.1 0.00001", "image1_mousemove 4 1 2 0.100000001 0.00001"},
        {"image1_mouseup 4 0 0 15 30", "image1_mouseup 4 0 0 15 30"},
        {"image1_click 4", "image1_click 4"},
        {"image1_dblclick 2", "image1_dblclick 2"},
        {"text1_change \"R1\"", "text1_change \"R1\""},
        {"text1_change \"a\\\\b\\\"c\\rd\\ne\\tf \xE2\x82\xAC\xC2\x8D\"",
         "text1_change \"a\\\\b\\\"c\\rd\\ne\\tf \xE2\x82\xAC\xC2\x8D\""},
        {"text1_lostfocus", "text1_lostfocus"},
        {"menu Cut", "menu Cut"},
        {"menu generate_cancelled", "menu generate_cancelled"},
        {"dialog value1 \"1e-3\"", "dialog value1 \"1e-3\""},
        {"dialog closebox", "dialog closebox"},
        {"   menu   assign   ", "menu assign"},  // the last line has no line break
    };
    std::string text;
    std::vector<std::pair<int, std::string>> expected;
    for (std::size_t n = 0; n < std::size(lines); ++n) {
        text += lines[n].first + (n + 1 < std::size(lines) ? "\n" : "");
        if (!lines[n].second.empty()) expected.emplace_back(n + 1, lines[n].second);
    }
    const Journal j = parse_journal(text, "t.jnl");
    EXPECT_EQ(j.name, "t.jnl");
    std::vector<std::pair<int, std::string>> read;
    for (const JournalEntry& e : j.entries) {
        const std::string line = format_journal_line(e.event);
        read.emplace_back(e.line, line);
        EXPECT_EQ(fields(only_event(line)), fields(e.event)) << line;
    }
    EXPECT_EQ(read, expected);
}

TEST(JournalReader, CoordinatesAreTheNearestSingleOfTheDecimal) {
    // Read through a double, the decimal just above the halfway point between
    // 1 and the next single would land on that point and then go to even (1).
    const struct {
        const char* text;
        float value;
    } rows[] = {
        {"0.1", 0.1f},
        {"1.000000059604644775390625000000001", 1.00000012f},
        {"16777217", 16777216.0f},
        {"16777219", 16777220.0f},
        {"0.00000000000000000000000000000000000000000000000001", 0.0f},
        {"340282346638528859811704183484516925440", 3.40282347e38f},
    };
    for (const auto& row : rows) {
        const EditorEvent e = only_event(std::string("form_mousemove 0 0 ") + row.text + " 0");
        EXPECT_EQ(e.x, row.value) << row.text;
    }
}

TEST(JournalReader, TextEscapesAndWindows1252) {
    const struct {
        const char* line;
        std::string bytes;
    } rows[] = {
        {R"(text1_change "a\\b\"c\rd\ne\tf")", "a\\b\"c\rd\ne\tf"},
        {"text1_change \"\"", ""},
        {"text1_change \"two  blanks\tand # not a comment\"", "two  blanks\tand # not a comment"},
        {"text1_change \"\xE2\x82\xAC \xC3\xA9 \xE2\x80\xA2\"", "\x80 \xE9 \x95"},
        // The five bytes the code page leaves undefined, by their controls.
        {"text1_change \"\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D\"", "\x81\x8D\x8F\x90\x9D"},
        {"dialog value2 \"\xC3\xBF\"", "\xFF"},
    };
    for (const auto& row : rows) EXPECT_EQ(only_event(row.line).text, row.bytes) << row.line;
}

TEST(JournalReader, FaultsNameTheJournalTheLineAndTheProblem) {
    const struct {
        const char* line;
        const char* problem;
    } rows[] = {
        {"paint 1 2", "unknown event \"paint\""},
        {"\"menu\" assign", "a line must begin with the name of an event"},
        {"resize 100", "resize needs H (resize W H)"},
        {"resize -1 100", "resize: a size cannot be negative"},
        {"resize 1e5 100", "W: \"1e5\" is not a number"},
        {"hscroll 20001", "V: 20001 is outside 0..20000"},
        {"vscroll 2.5", "V: 2.5 is not a whole number"},
        {"form_mousemove 8 0 1 1", "Button: 8 is outside 0..7"},
        {"form_mouseup 1 0 0x10 1", "X: \"0x10\" is not a number"},
        {"form_mouseup 1 0 1 .", "Y: \".\" is not a number"},
        {"form_mouseup 1 0 1 \"2\"", "Y must not stand in quotes"},
        {"form_mousemove 0 0 1000000000000000000000000000000000000000 0", "too large"},
        {"form_dblclick 1", "unexpected word \"1\" after form_dblclick"},
        {"image1_click 99999999999", "I: 99999999999 is outside"},
        {"image1_click", "image1_click needs I (image1_click I)"},
        {"text1_change R1", "TEXT must stand in double quotes"},
        {"text1_change \"R1", "a text has no closing quote"},
        {"text1_change \"R1\\\"", "a text has no closing quote"},
        {"text1_change \"R1\"x", "a blank must follow the closing quote"},
        {"text1_change \"a\\qb\"", "unknown escape \"\\q\""},
        {"text1_change \"\xE4\xB8\xAD\"",
         "the text holds U+4E2D, which Windows-1252 has no byte for"},
        {"text1_change \"\xC3\"", "the line is not UTF-8 text"},
        {"text1_change \"\xC0\xAF\"", "the line is not UTF-8 text"},  // an overlong "/"
        {"text1_change \"x\" \"y\"", "unexpected text \"y\""},
        {"text1_change a\"b", "a quote inside the word"},
        {"menu Paste", "menu: unknown item \"Paste\""},
        {"dialog OK", "dialog: unknown box or button \"OK\""},
        {"dialog value1", "dialog needs TEXT (dialog value1 \"TEXT\")"},
        {"drop ../model 1 0 0", "drop: a library name cannot hold \"/\""},
        {"drop \"\" 1 0 0", "drop: the library name is empty"},
        {"drop bondgraph 1.5 0 0", "ENTRY: 1.5 is not a whole number"},
    };
    for (const auto& row : rows) {
        const std::string text =
            std::string("# header\n\nmenu showp\n") + row.line + "\nmenu showp\n";
        try {
            parse_journal(text, "dir/t.jnl");
            ADD_FAILURE() << "read without complaint: " << row.line;
        } catch (const JournalError& e) {
            EXPECT_EQ(e.journal(), "dir/t.jnl");
            EXPECT_EQ(e.line(), 4) << row.line;
            EXPECT_NE(e.problem().back(), ' ') << e.problem();
            EXPECT_NE(e.problem().find(row.problem), std::string::npos)
                << row.line << "\n  gave: " << e.problem();
            EXPECT_EQ(std::string(e.what()).rfind("dir/t.jnl: line 4: ", 0), 0u) << e.what();
        }
    }
}

// A recording's window: its sections wherever they are, and only its lines
// read, so another window's faults do not stop it.
TEST(JournalReader, OneWindowOfARecordingIsReadAlone) {
    const std::string text =
        "menu showp\n"
        "# window 1: A\nmenu assign\n"
        "#window 12: B b\nmenu undo\n"
        "# window 1: A\nmenu simulate\n"
        "# windows 12: no marker\nmenu generate\n"
        "# window 3:\nnot a line\n";
    const std::pair<int, std::vector<int>> windows[] = {{1, {3, 7, 9}}, {12, {5}}};
    for (const auto& [window, lines] : windows) {
        std::vector<int> read;
        for (const JournalEntry& e : parse_journal(text, "w.jnl", window).entries) {
            read.push_back(e.line);
        }
        EXPECT_EQ(read, lines) << window;
    }
    EXPECT_THROW(parse_journal(text, "w.jnl", 3), JournalError);
    try {
        parse_journal(text, "w.jnl", 2);
        FAIL() << "window 2 read";
    } catch (const JournalError& e) {
        EXPECT_STREQ(e.what(), "w.jnl: the journal has no window 2");
    }
}

void expect_same(const EditorEvent& a, const EditorEvent& b, const std::string& line) {
    EXPECT_EQ(fields(a), fields(b)) << line;
}

using K = EventKind;

TEST(JournalWriter, EverySingleReadsBackBitForBit) {
    std::mt19937 random(20240607);
    std::uniform_int_distribution<std::uint32_t> bits;
    EditorEvent e{K::kImageMouseUp, 7, 0, 0, 0, 0, 0, "", ""};
    for (int n = 0; n < 20000; ++n) {
        e.x = std::bit_cast<float>(bits(random));
        e.y = static_cast<float>(n) * 0.37f - 3000.0f;
        if (!std::isfinite(e.x)) continue;
        const std::string line = format_journal_line(e);
        ASSERT_EQ(line.find('e', std::string("image1_mouseup").size()), std::string::npos)
            << line;  // no exponent
        expect_same(only_event(line), e, line);
        if (HasFailure()) return;
    }
}

TEST(JournalWriter, EveryByteOfTheCodePageReadsBack) {
    EditorEvent e{K::kText1Change, 0, 0, 0, 0, 0, 0, "", ""};
    for (int b = 0; b < 256; ++b) e.text += static_cast<char>(b);
    const std::string line = format_journal_line(e);
    expect_same(only_event(line), e, "all bytes");
}

TEST(JournalWriter, CommentsStayOnOneLine) {
    EXPECT_EQ(format_journal_comment("window 2: a\r\nb"), "# window 2: a  b");
    EXPECT_TRUE(parse_journal(format_journal_comment("x\ny") + "\n", "c.jnl").entries.empty());
}

}  // namespace
}  // namespace vantor
