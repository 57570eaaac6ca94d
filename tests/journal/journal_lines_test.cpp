// Journal lines: every kind read with its line number, the number and text
// rules, and what is written reading back as the same event, bit for bit.
// What replaying the lines does is pinned by the journal cases, the faults
// that stop a replay before anything runs by the co2_jnl_* command cases.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <tuple>

#include "expected_file.h"
#include "journal/journal_reader.h"
#include "journal/journal_writer.h"
#include "model/file_reading.h"
#include "model/file_saving.h"

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

// Every kind of line as typed (every_kind.jnl), and as the writer gives the
// event read from it, after its line number (every_kind_written.txt); the
// written line reads back as the same event.
TEST(JournalReader, ReadsEveryKindOfLineWithItsLineNumberAndWritesItAsTyped) {
    const std::string dir = std::string(VANTOR_EXAMPLES_DIR) + "/../tests/data/journal_lines/";
    const Journal j = parse_journal(read_whole_file(dir + "every_kind.jnl"), "t.jnl");
    EXPECT_EQ(j.name, "t.jnl");
    std::string written;
    for (const JournalEntry& e : j.entries) {
        const std::string line = format_journal_line(e.event);
        written += std::to_string(e.line) + " " + line + "\n";
        EXPECT_EQ(fields(only_event(line)), fields(e.event)) << line;
    }
    test::expect_file_text(dir + "every_kind_written.txt", written, "the lines read");
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
        ASSERT_EQ(fields(only_event(line)), fields(e)) << line;
    }
}

TEST(JournalWriter, EveryByteOfTheCodePageReadsBack) {
    EditorEvent e{K::kText1Change, 0, 0, 0, 0, 0, 0, "", ""};
    for (int b = 0; b < 256; ++b) e.text += static_cast<char>(b);
    EXPECT_EQ(fields(only_event(format_journal_line(e))), fields(e));
}

TEST(JournalWriter, CommentsStayOnOneLine) {
    EXPECT_EQ(format_journal_comment("window 2: a\r\nb"), "# window 2: a  b");
    EXPECT_TRUE(parse_journal(format_journal_comment("x\ny") + "\n", "c.jnl").entries.empty());
}

}  // namespace
}  // namespace vantor
