// Journal lines: every kind read with its line number, the number and text
// rules, and what is written reading back as the same event, bit for bit;
// and the state file's exact text for a small window (kept beside the journal
// cases, which pin it for whole replays).
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
#include "journal/state_file.h"
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

// Every byte of the code page reads back; comments stay on one line.
TEST(JournalWriter, TextsReadBackAndCommentsStayOnOneLine) {
    EditorEvent e{K::kText1Change, 0, 0, 0, 0, 0, 0, "", ""};
    for (int b = 0; b < 256; ++b) e.text += static_cast<char>(b);
    EXPECT_EQ(fields(only_event(format_journal_line(e))), fields(e));
    EXPECT_EQ(format_journal_comment("window 2: a\r\nb"), "# window 2: a  b");
    EXPECT_TRUE(parse_journal(format_journal_comment("x\ny") + "\n", "c.jnl").entries.empty());
}

// A window set up field by field, so that the text depends on the writer alone.
ModelWindow small_window(AppState& app) {
    ModelWindow w;
    init_model_window(w, 1);
    Model& m = w.model;
    m.nobj = 2;
    m.nlin = 1;
    ObjRecord& c = m.objs[1];
    c.type = "C__";
    c.caption = "  C1";
    c.parameters = "1e-3";
    c.parameter2 = "0";
    c.top = 700, c.left = 850, c.maxlin = 1, c.numlin = 1, c.auxil1 = 1, c.selected = kTrue;
    ObjRecord& note = m.objs[2];
    note.type = "Tex";
    note.caption = "caf\xE9 \"x\\y\"";
    note.parameters = std::string("a\0b", 3);
    note.parameter2 = std::string("\x01\x1F\x7F\x8D", 4);  // control bytes escaped
    note.top = -5;
    m.lines[1] = {1, 2, 1, 0};
    m.objs[3].type = "R__";  // beyond nobj: left out
    w.image1[1] = Glyph{};
    w.image1[1].left = 850, w.image1[1].top = 700.5f, w.image1[1].width = 300;
    w.image1[1].height = 0.1f, w.image1[1].caption = "C1\r:1e-3", w.image1[1].color = 255;
    w.image1[1].visible = true, w.image1[1].border = 1;
    w.image1[2].caption = " caf\xE9 ";
    w.linea[1].x1 = 1.5f, w.linea[1].visible = true;
    w.linea2[1].width = 1;
    w.Text1.text = "  typed\t";
    w.Text1.visible = true;
    w.Text1.width = 1234.25f;
    w.viewport.HScroll1.value = 500;
    w.viewport.height = 4000;
    w.saved = kTrue;
    w.causerr = kTrue;
    w.MousePointer = kPointerConnect;
    w.menus.copy = true;
    w.menus.showp = true;
    w.menus.simulink_version = 2;
    app.nclipobj = 3;
    app.nclipline = 1;
    return w;
}

TEST(StateFile, ExactTextOfASmallWindow) {
    AppState app;
    const ModelWindow w = small_window(app);
    // Control bytes escaped, 0x8D as U+008D, NUL kept, singles to nine digits.
    const std::string expected = read_whole_file(std::string(VANTOR_EXAMPLES_DIR) +
                                                 "/../tests/data/state_file/small_window.json");
    EXPECT_EQ(format_state_file(w, app), expected);

    // The golden text is fine enough to see one step of a single.
    ModelWindow nudged = w;
    nudged.image1[1].top = std::nextafter(700.5f, 1000.0f);
    EXPECT_NE(format_state_file(nudged, app), expected);
}

}  // namespace
}  // namespace vantor
