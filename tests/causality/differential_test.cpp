// The fast causality commands must do exactly what the literal transcription
// does: the same strokes in the same order, messages, selection and causerr.
#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "causality/causality_fixtures.h"
#include "causality/priority_tables.h"
#include "causality/reference_causality.h"

namespace vantor {
namespace {

class RandomCausalModels {
  public:
    explicit RandomCausalModels(unsigned seed) : rng_(seed) {}

    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool chance(int percent) { return pick(1, 100) <= percent; }

    std::string type() {
        // clang-format off
        static const char* kTypes[] = {"000", "111", "000", "111", "TRF", "MTF", "GYR", "MGY", "Se_", "Sf_",
                                       "C__", "I__", "R__", "De_", "Df_", "C  ", "con", "sum", "end"};
        // clang-format on
        return kTypes[pick(0, std::size(kTypes) - 1)];
    }

    int causa() {
        // -1 is corrupt, as a hand-edited file may hold.
        const int roll = pick(1, 100);
        return roll <= 70 ? 0 : roll <= 90 ? pick(1, 2) : roll <= 97 ? pick(3, 4) : -1;
    }

    void bond(Model& m, int a, int b) {
        if (m.nlin == kMaxBonds) return;
        LineRecord& l = m.lines[++m.nlin];
        l = LineRecord{static_cast<std::int16_t>(causa()), static_cast<std::int16_t>(a),
                       static_cast<std::int16_t>(b), 0};
        if (chance(50)) std::swap(l.obj1, l.obj2);
    }

    ModelWindowState window() {
        ModelWindowState w;
        Model& m = w.model;
        m.nobj = static_cast<std::int16_t>(pick(0, 24));
        for (int i = 1; i <= m.nobj; ++i) m.objs[i].type = type();
        if (m.nobj >= 2) {
            // Chains in element order and against it, then loose bonds,
            // duplicates and now and then a bond to a number outside the model.
            const int chains = pick(0, 3);
            for (int c = 0; c < chains; ++c) {
                const int from = pick(1, m.nobj - 1);
                const int to = pick(from + 1, m.nobj);
                for (int i = from; i < to; ++i)
                    if (chance(80)) bond(m, i, i + 1);
            }
            const int loose = pick(0, 2 * m.nobj);
            for (int k = 0; k < loose; ++k) bond(m, pick(1, m.nobj), pick(1, m.nobj));
            const int duplicates = pick(0, 3);
            for (int k = 0; k < duplicates && m.nlin > 0; ++k) {
                const LineRecord copy = m.lines[pick(1, m.nlin)];
                bond(m, copy.obj1, copy.obj2);
            }
            if (chance(5)) bond(m, pick(1, m.nobj), chance(50) ? 0 : m.nobj + 1);
        }
        return w;
    }

    // A table of a few items: types, one-letter codes, quoted items, several
    // to a line, an "end" with items after it, or no "end" at all.
    std::string table() {
        std::string text;
        const int items = pick(0, 5);
        for (int k = 0; k < items; ++k) {
            std::string item = chance(10) ? "C" : type();
            if (chance(15)) item = "\"" + item + "\"";
            if (chance(15)) item = "  " + item + " ";
            text += item + (chance(25) ? "," : "\r\n");
        }
        if (chance(80)) text += "end\r\n";
        if (chance(20)) text += "R__\r\nSe_\r\n";
        return text;
    }

  private:
    std::mt19937 rng_;
};

std::string describe(const ModelWindowState& w) {
    std::ostringstream out;
    const Model& m = w.model;
    out << "causerr " << w.causerr << "\n";
    for (int i = 1; i <= m.nobj; ++i) {
        const ObjRecord& o = m.objs[i];
        out << "obj " << i << " " << o.type.raw() << " sel " << o.selected << " strong "
            << o.strongobj << "/" << o.strongfirst << "/" << o.strongend << "\n";
    }
    for (int j = 1; j <= m.nlin; ++j) {
        const LineRecord& b = m.lines[j];
        out << "bond " << j << " " << b.obj1 << "->" << b.obj2 << " causa " << b.causa << " sel "
            << b.selected << "\n";
    }
    return out.str();
}

TEST(CausalityDifferential, FastCommandsMatchTheLiteralTranscription) {
    RandomCausalModels random(20261206);
    // The tables are parsed from their text in memory as from a file; a table
    // that is missing holds what reading a missing file tells.
    test::ProgramDir empty("differential");
    const PriorityTables missing = read_priority_tables(empty.path());
    int conflicts = 0, derivatives = 0, loops = 0;
    for (int round = 0; round < 10000; ++round) {
        PriorityTables tables;
        for (int k = 1; k <= 5; ++k) tables.table(k) = parse_priority_table(random.table());
        if (random.chance(1)) {
            const int k = random.pick(1, 5);
            tables.table(k) = missing.table(k);
        }

        ModelWindowState fast = random.window();
        ModelWindowState literal = fast;
        const std::string before = describe(fast);
        // The literal transcription does not warn about a table without end.
        struct NoTableWarnings : test::RecordingHost {
            void show_warning(const std::string&) override {}
        } fast_host;
        test::RecordingHost literal_host;
        // A few commands in a row, so that later ones start from strokes and
        // strong-bond fields that earlier ones left.
        const int commands = random.pick(1, 3);
        for (int c = 0; c < commands; ++c) {
            const int command = random.pick(0, 5);
            if (command == 0) extend_Click(fast, fast_host);
            if (command == 0) reference::extend_Click(literal, literal_host);
            if (command == 1) Undo_Click(fast, fast_host);
            if (command == 1) reference::Undo_Click(literal, literal_host);
            if (command >= 2) {
                ASSERT_EQ(assign_Click(fast, tables, fast_host),
                          reference::assign_Click(literal, tables, literal_host))
                    << "round " << round << "\n"
                    << before;
            }
        }
        ASSERT_EQ(fast_host.events, literal_host.events) << "round " << round << "\n" << before;
        ASSERT_EQ(describe(fast), describe(literal)) << "round " << round << "\n" << before;
        for (const auto& m : fast_host.messages()) {
            conflicts += m == kCausalityErrorMessage;
            derivatives += m == kDerivativeMessage;
            loops += m == kAlgebraicLoopMessage;
        }
    }
    // The random models reach every outcome, or the comparison proves little.
    EXPECT_GT(conflicts, 500);
    EXPECT_GT(derivatives, 100);
    EXPECT_GT(loops, 100);
}

}  // namespace
}  // namespace vantor
