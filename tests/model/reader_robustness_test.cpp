// Random models must survive a save and reload unchanged; random, cut and
// mutated files must never crash or hang the reader; a resave of anything
// that reads changes nothing. What one file shows is pinned by the resave and
// info command cases.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "model/file_error.h"
#include "model/file_reading.h"
#include "model/file_saving.h"
#include "model/model_reader.h"
#include "model/model_samples.h"
#include "model/model_writer.h"
#include "test_scratch.h"

namespace vantor {
namespace {

class RandomModels {
  public:
    explicit RandomModels(unsigned seed) : rng_(seed) {}

    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

    // Text that the format keeps whole: no leading blank (values are trimmed),
    // no 0x8D (the line-break code), and not a comma and a quote together.
    std::string text(bool caption) {
        static const std::string kChars = "abcXYZ019 ._-+*/=%[]()\xE9\x95\xA0\xB8\t";
        std::string s;
        const int n = pick(0, 12);
        const bool comma = pick(0, 3) == 0;
        const bool quote = !comma && pick(0, 5) == 0;
        for (int i = 0; i < n; ++i)
            s += kChars[static_cast<std::size_t>(pick(0, kChars.size() - 1))];
        if (comma) insert_somewhere(s, ",");
        if (quote) insert_somewhere(s, "\"");
        if (caption && pick(0, 3) == 0) insert_somewhere(s, "\r\n");
        if (pick(0, 4) == 0) s += '\n';
        while (!s.empty() && s.front() == ' ') s.erase(0, 1);
        return s;
    }

    void insert_somewhere(std::string& s, std::string_view piece) {
        // Rebuilt rather than insert(): GCC 12 warns falsely about insert at -O3.
        const auto at = static_cast<std::size_t>(pick(0, static_cast<int>(s.size())));
        s = std::string(s.substr(0, at)).append(piece).append(s.substr(at));
    }

    std::int16_t number() {
        return static_cast<std::int16_t>(pick(0, 4) == 0 ? pick(-32768, 32767) : pick(-2, 3000));
    }

    template <std::size_t N>
    void fill(FixedText<N>& field, bool caption) {
        if (pick(0, 5) != 0) field = text(caption);  // else it stays NUL
    }

    Model model() {
        Model m;
        m.nobj = static_cast<std::int16_t>(pick(0, 12));
        m.nlin = static_cast<std::int16_t>(pick(0, 12));
        for (int i = 1; i <= m.nobj; ++i) {
            ObjRecord& o = m.objs[i];
            fill(o.type, false);
            fill(o.parameters, false);
            fill(o.caption, true);
            fill(o.parameter2, false);
            for (auto* f : {&o.maxlin, &o.numlin, &o.top, &o.left, &o.index, &o.maxsigninp,
                            &o.signout, &o.auxil1, &o.auxil2, &o.auxil3})
                *f = number();
        }
        for (int j = 1; j <= m.nlin; ++j) m.lines[j] = {number(), number(), number(), 0};
        return m;
    }

    std::string mutate(std::string s) {
        // The last six are quoted fields that bring CR and LF into any field.
        // clang-format off
        static const char* kSnippets[] = {"add_obj\r\n", "add_line\r\n", "end\r\n", "end_sys\r\n", "\"", ",", "\r",
            "\n", "%", "=", "\x8D", "top = 99999\r\n", "&H", "1e999", "\"parameters = a\rb\"\r\n", "\"type = \r\n\"\r\n",
            "\"parameter2 = x\r\ny,z\"\r\n", "\"caption = \r\n\"", "parameters = q\"\x8Dr\r\n", "parameter2 = \x8D\"\x8D,\r\n"};
        // clang-format on
        const int edits = pick(1, 8);
        for (int e = 0; e < edits && !s.empty(); ++e) {
            const auto at = static_cast<std::size_t>(pick(0, static_cast<int>(s.size()) - 1));
            const int kind = pick(0, 4);
            if (kind == 0) s.resize(at);
            if (kind == 1) s[at] = static_cast<char>(pick(0, 255));
            if (kind == 2) insert_somewhere(s, kSnippets[pick(0, std::size(kSnippets) - 1)]);
            if (kind == 3) s.erase(at, static_cast<std::size_t>(pick(1, 200)));
            if (kind == 4)
                insert_somewhere(s, s.substr(at, static_cast<std::size_t>(pick(1, 300))));
        }
        return s;
    }

    // A text tool's work: every CR LF (or every CR) turned into LF.
    static std::string with_lf_line_ends(std::string s) {
        std::string out;
        for (std::size_t i = 0; i < s.size(); ++i) {
            if (s[i] != '\r') {
                out += s[i];
            } else if (i + 1 >= s.size() || s[i + 1] != '\n') {
                out += '\n';
            }
        }
        return out;
    }

    std::string noise() {
        std::string s(static_cast<std::size_t>(pick(0, 400)), '\0');
        for (char& c : s) c = static_cast<char>(pick(0, 255));
        return s;
    }

  private:
    std::mt19937 rng_;
};

TEST(ReaderRobustness, RandomModelsSurviveSaveAndReload) {
    RandomModels random(20261206);
    for (int round = 0; round < 3000; ++round) {
        const Model m = random.model();
        const std::string text = format_model(m);
        const Model back = parse_model(text, "random.bgf");
        ASSERT_TRUE(test::same_records(back, m)) << "round " << round << "\n" << text;
        ASSERT_EQ(format_model(back), text) << "round " << round;
    }
}

// Cut, mutated and random files never crash the reader: they read within
// the tables, or are refused at a line. Whatever reads is written so that
// reading it again gives the same records: a resave of a resave changes nothing.
TEST(ReaderRobustness, DamagedFilesReadOrAreRefusedAndResavesAreFixedPoints) {
    RandomModels random(20261207);
    int refused = 0, checked = 0;
    for (int round = 0; round < 10000; ++round) {
        std::string input =
            round % 4 == 0 ? random.noise() : random.mutate(format_model(random.model()));
        if (round % 5 == 1) input = RandomModels::with_lf_line_ends(std::move(input));
        std::string once;
        try {
            const Model m = parse_model(input, "damaged.bgf");
            ASSERT_TRUE(m.nobj >= 0 && m.nobj <= kMaxElements && m.nlin >= 0 &&
                        m.nlin <= kMaxBonds);
            once = format_model(m);
        } catch (const FileError& e) {
            ++refused;
            ASSERT_GT(e.line(), 0) << e.what();
            continue;
        }
        const std::string twice = format_model(parse_model(once, "resaved.bgf"));
        ASSERT_EQ(twice, once) << "round " << round << "\n" << testing::PrintToString(input);
        ++checked;
    }
    EXPECT_GT(refused, 0);  // the mutations do reach the limits
    EXPECT_GT(checked, 7000);
}

TEST(ReaderRobustness, EveryExampleAndLibraryResavesToItsOwnBytes) {
    int files = 0;
    for (const std::string folder : {VANTOR_EXAMPLES_DIR, VANTOR_DATA_DIR "/library"}) {
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            if (entry.path().extension() != ".bgf" && entry.path().extension() != ".lib") continue;
            const std::string bytes = read_whole_file(entry.path().string());
            EXPECT_EQ(format_model(parse_model(bytes, "example.bgf")), bytes) << entry.path();
            ++files;
        }
    }
    EXPECT_GE(files, 12);
}

// Every cut of a whole file loads what it holds: an element or bond from its
// "add_obj" or "add_line" line on, whole once its "end" line is in.
TEST(ReaderRobustness, EveryCutOfAFileLoadsWhatItHolds) {
    const std::string whole = test::two_junctions_text();
    const Model full = parse_model(whole, "whole.bgf");
    const auto count = [](const std::string& text, const std::string& word) {
        int n = 0;
        for (auto at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) ++n;
        return n;
    };
    std::vector<std::size_t> ends;  // the length of the text through each block's "end"
    for (std::size_t at = 0; (at = whole.find("\r\nend\r\n", at)) != std::string::npos;)
        ends.push_back(at += 7);
    for (std::size_t n = 0; n <= whole.size(); ++n) {
        const std::string text = whole.substr(0, n);
        const Model cut = parse_model(text, "cut.bgf");
        ASSERT_EQ(cut.nobj, count(text, "add_obj")) << n;
        ASSERT_EQ(cut.nlin, count(text, "add_line")) << n;
        // Blocks 1 and 2 are the elements, block 3 the bond.
        for (std::size_t b = 0; b < 3 && n >= ends[b]; ++b) {
            ASSERT_TRUE(b == 2 ? cut.lines[1] == full.lines[1]
                               : cut.objs[b + 1] == full.objs[b + 1])
                << n;
        }
    }
}

// Texts typed in the editor can hold what no file field can: a quote with a
// comma is written up to the comma, so that the quote cannot open a field that
// swallows the elements after it; a CR where a quote forbids quoting is
// written as 0x8D, which reads back as CR.
TEST(ReaderRobustness, TypedTextsThatNoFieldHoldsAreWrittenSafely) {
    Model m = test::two_junctions();
    m.objs[1].caption = "a\"b, \"c";
    m.objs[1].parameters = "x,\"y\r";
    m.objs[2].parameter2 = "say \"x\"\ry";
    const std::string text = format_model(m);
    EXPECT_NE(text.find("\r\nparameters = x\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\ncaption = a\"b\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nparameter2 = say \"x\"\x8Dy "), std::string::npos);
    const Model back = parse_model(text, "typed.bgf");
    EXPECT_EQ(back.objs[1].caption.trimmed(), "a\"b");
    EXPECT_EQ(back.objs[2], m.objs[2]);
    EXPECT_EQ(back.lines[1], m.lines[1]);
}

TEST(ReaderRobustness, AWindowKeepsItsModelWhenAReadFails) {
    const std::string bad = test::scratch_dir() + "window_bad.bgf";
    const std::string text = format_model(test::two_junctions());
    save_file(bad,
              text.substr(0, text.find("top")) + "left = 1e6\r\n" + text.substr(text.find("top")));
    ModelWindowState window;
    window.model = test::two_junctions();
    EXPECT_THROW(leerarchivo(window, bad), FileError);
    EXPECT_TRUE(test::same_records(window.model, test::two_junctions()));
    EXPECT_EQ(window.hasname, kFalse);
}

}  // namespace
}  // namespace vantor
