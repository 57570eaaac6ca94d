// Random models must survive a save and reload unchanged; random, cut and
// mutated files must never crash or hang the reader.
#include <gtest/gtest.h>

#include <random>

#include "model/file_error.h"
#include "model/model_reader.h"
#include "model/model_samples.h"
#include "model/model_writer.h"

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
                            &o.signout, &o.auxil1, &o.auxil2, &o.auxil3}) {
                *f = number();
            }
        }
        for (int j = 1; j <= m.nlin; ++j) m.lines[j] = {number(), number(), number(), 0};
        return m;
    }

    std::string mutate(std::string s) {
        static const char* kSnippets[] = {
            "add_obj\r\n", "add_line\r\n", "end\r\n", "end_sys\r\n", "\"", ",", "\r", "\n", "%",
            "=", "\x8D", "top = 99999\r\n", "&H", "1e999",
            // Quoted fields that bring CR and LF into any field.
            "\"parameters = a\rb\"\r\n", "\"type = \r\n\"\r\n", "\"parameter2 = x\r\ny,z\"\r\n",
            "\"caption = \r\n\"", "parameters = q\"\x8Dr\r\n", "parameter2 = \x8D\"\x8D,\r\n"};
        const int edits = pick(1, 8);
        for (int e = 0; e < edits && !s.empty(); ++e) {
            const auto at = static_cast<std::size_t>(pick(0, static_cast<int>(s.size()) - 1));
            switch (pick(0, 4)) {
                case 0:
                    s.resize(at);
                    break;
                case 1:
                    s[at] = static_cast<char>(pick(0, 255));
                    break;
                case 2:
                    insert_somewhere(s, kSnippets[pick(0, std::size(kSnippets) - 1)]);
                    break;
                case 3:
                    s.erase(at, static_cast<std::size_t>(pick(1, 200)));
                    break;
                case 4:
                    insert_somewhere(s, s.substr(at, static_cast<std::size_t>(pick(1, 300))));
                    break;
            }
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

TEST(ReaderRobustness, CutMutatedAndRandomFilesNeverCrash) {
    RandomModels random(7);
    int refused = 0;
    for (int round = 0; round < 6000; ++round) {
        const std::string input =
            round % 4 == 0 ? random.noise() : random.mutate(format_model(random.model()));
        try {
            const Model m = parse_model(input, "mutated.bgf");
            ASSERT_GE(m.nobj, 0);
            ASSERT_LE(m.nobj, kMaxElements);
            ASSERT_GE(m.nlin, 0);
            ASSERT_LE(m.nlin, kMaxBonds);
            ASSERT_FALSE(format_model(m).empty());
        } catch (const FileError& e) {
            ++refused;
            ASSERT_GT(e.line(), 0) << e.what();
        }
    }
    EXPECT_GT(refused, 0);  // the mutations do reach the limits
}

// Whatever reads is written so that reading it again gives the same records:
// a resave of a resave changes nothing.
TEST(ReaderRobustness, ResaveOfAnythingThatReadsIsAFixedPoint) {
    RandomModels random(20261207);
    int checked = 0;
    for (int round = 0; round < 8000; ++round) {
        std::string input = random.mutate(format_model(random.model()));
        if (round % 5 == 0) input = RandomModels::with_lf_line_ends(std::move(input));
        std::string once;
        try {
            once = format_model(parse_model(input, "damaged.bgf"));
        } catch (const FileError&) {
            continue;  // refused as a whole: nothing to resave
        }
        const std::string twice = format_model(parse_model(once, "resaved.bgf"));
        ASSERT_EQ(twice, once) << "round " << round << "\n" << testing::PrintToString(input);
        ++checked;
    }
    EXPECT_GT(checked, 5000);
}

}  // namespace
}  // namespace vantor
