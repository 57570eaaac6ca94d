// The bond-drawing feedback foretells the handlers: what it says a release
// or a press would do is what the handlers then do.
#include "editor/bond_feedback.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <random>

#include "connect_fixtures.h"
#include "display/window_load.h"
#include "editor/dispatch.h"
#include "editor/pointer_router.h"
#include "journal/journal_reader.h"
#include "journal/journal_writer.h"
#include "journal/replay.h"
#include "journal/state_file.h"
#include "model/model_reader.h"

namespace vantor {
namespace {

using test::ConnectTest;
using test::element;

class BondFeedbackTest : public ConnectTest {
  protected:
    void reset() override {
        ConnectTest::reset();
        one = add(element("111", "1", 10), 1000, 1000);
        c = add(element("C__", "C", 1), 4000, 1000);
        r = add(element("R__", "R", 1), 1000, 4000);
        full = add(element("I__", "I", 1), 4000, 4000);
        add_bond(full, r, 0, 0, 0, 0);  // r has room for no other bond either
        window.model.objs[static_cast<std::size_t>(full)].numlin = 1;
        window.model.objs[static_cast<std::size_t>(r)].numlin = 1;
        note = add(element("Tex", "note", 0), 7000, 1000);
        zero = add(element("000", "0", 10), 7000, 4000);
        other = add(element("R__", "R2", 1), 2500, 6000);
    }

    // Starts a bond beside element `from` and moves its end to (x, y).
    void start_and_move(int from, float x, float y) {
        form_mousemove(window, app, 0, 0, cx(from), cy(from));
        form_mousemove(window, app, 1, 0, cx(from), cy(from));
        form_mousemove(window, app, 1, 0, x, y);
    }

    int one = 0, c = 0, r = 0, full = 0, note = 0, zero = 0, other = 0;
};

// Every reason a release refuses, and the bond it makes, each told before the
// release and checked against what the release then does.
TEST_F(BondFeedbackTest, ThePredictionOfEachReleaseIsWhatTheReleaseDoes) {
    const struct {
        const char* name;
        int from, to;  // `to` 0: empty space
        bool joined_before;
        BondRefusal refusal;
        const char* text;
    } cases[] = {
        {"junction to element", one, c, false, BondRefusal::kNone, ""},
        {"element to junction", c, zero, false, BondRefusal::kNone, ""},
        {"two ordinary elements", c, other, false, BondRefusal::kNoJunction,
         "a bond needs a junction at one end"},
        {"joined already", one, c, true, BondRefusal::kJoinedAlready,
         "these elements are joined already"},
        {"a full element", one, full, false, BondRefusal::kNoMoreBonds,
         "this element takes no more bonds"},
        {"empty space", one, 0, false, BondRefusal::kNoElement, "release over an element"},
        {"a text note", one, note, false, BondRefusal::kNoElement, "release over an element"},
        {"the start element", one, one, false, BondRefusal::kStartElement,
         "release over another element"},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        reset();
        const int to = k.to;
        if (k.joined_before) {
            add_bond(one, c, 0, 0, 0, 0);
            ++window.model.objs[static_cast<std::size_t>(one)].numlin;
            // c takes two, so that the refusal is the joint, not its room.
            window.model.objs[static_cast<std::size_t>(c)].maxlin = 2;
            ++window.model.objs[static_cast<std::size_t>(c)].numlin;
        }
        const float x = to > 0 ? cx(to) : 2500;
        const float y = to > 0 ? cy(to) : 2500;
        start_and_move(k.from, x, y);
        const BondRelease told = predict_bond_release(window);
        EXPECT_EQ(told.refusal, k.refusal);
        EXPECT_EQ(bond_refusal_text(told.refusal), k.text);
        EXPECT_EQ(bond_feedback(window, x, y, true),
                  (BondFeedback{told.makes_bond() ? to : 0, k.text}));
        const int bonds = window.model.nlin;
        Form_MouseUp(window, app, 1, 0, x, y);
        EXPECT_EQ(window.model.nlin == bonds, told.makes_bond());
        EXPECT_EQ(told.element, k.refusal == BondRefusal::kNoElement ? 0 : to);
        if (told.makes_bond()) {
            EXPECT_EQ(bond(bonds).obj2, to);
        }
        EXPECT_EQ(predict_bond_release(window).refusal, BondRefusal::kNotDrawing);
    }
}

// Random gestures over the example models, through the pointer router as the
// canvas sends them: where the feedback says a press starts a bond, the drag
// starts one from that element; where it says the release makes a bond, the
// release adds one, and else not. The windows scroll as the band nears their
// edges, as they do on screen. The journal of all the gestures then replays
// to the same window whether or not the feedback is asked between its events.
TEST(BondFeedbackOnExamples, RandomGesturesDoWhatTheFeedbackForetold) {
    std::mt19937 random(7);
    std::map<BondRefusal, int> seen;
    int starts = 0;
    for (const auto& file : std::filesystem::directory_iterator(VANTOR_EXAMPLES_DIR)) {
        if (file.path().extension() != ".bgf") continue;
        SCOPED_TRACE(file.path().filename().string());
        ModelWindow window;
        AppState app;
        app.program_dir = VANTOR_DATA_DIR;
        init_model_window(window, 1);
        window.model = read_model_file(file.path().string());
        // Room for a few more bonds at every element, so that releases
        // meet every rule and not only full elements.
        for (int i = 1; i <= window.model.nobj; ++i) {
            window.model.objs[static_cast<std::size_t>(i)].maxlin += 3;
        }
        show_loaded_model(window, app);
        const ModelWindow loaded = window;
        const AppState loaded_app = app;
        test::FakeHost host;
        std::string journal;
        PointerRouter router([&](const EditorEvent& e) {
            journal += format_journal_line(e) + "\n";
            dispatch_pointer_event(window, app, host, e);
        });
        const auto px = [&](float x) { return (x - window.viewport.HScroll1.value) / 15.0; };
        const auto py = [&](float y) { return (y - window.viewport.VScroll1.value) / 15.0; };
        // A point near a random element, as likely on its glyph as beside it.
        const auto near_element = [&](float& x, float& y) {
            const int i = std::uniform_int_distribution<int>(1, window.model.nobj)(random);
            const Glyph& g = window.image1[static_cast<std::size_t>(i)];
            std::uniform_real_distribution<float> fx(-1.0f, 1.0f);
            x = std::round(g.left + g.width * (0.5f + fx(random)));
            y = std::round(g.top + g.height * (0.5f + fx(random)));
        };
        for (int trial = 0; trial < 150; ++trial) {
            float x0 = 0, y0 = 0, x1 = 0, y1 = 0;
            near_element(x0, y0);
            near_element(x1, y1);
            if (trial % 4 == 0) {  // anywhere
                x1 = std::uniform_real_distribution<float>(0, 9000)(random);
                y1 = std::uniform_real_distribution<float>(0, 6000)(random);
            }
            router.move(window, 0, px(x0), py(y0));
            const int start = predict_bond_start(window, x0, y0);
            const int bonds_before = window.model.nlin;
            router.press(window, 1, 0, px(x0), py(y0));
            router.move(window, 0, px(x0) + 1, py(y0));
            ASSERT_EQ(window.Line1.visible, start > 0) << trial;
            router.move(window, 0, px(x1), py(y1));
            if (start == 0) {
                router.release(window, 1, 0, px(x1), py(y1));
                continue;
            }
            ++starts;
            EXPECT_EQ(window.model.lines[static_cast<std::size_t>(window.model.nlin)].obj1, start);
            const BondRelease told = predict_bond_release(window);
            ++seen[told.refusal];
            router.release(window, 1, 0, px(x1), py(y1));
            ASSERT_EQ(window.model.nlin, bonds_before + (told.makes_bond() ? 1 : 0)) << trial;
            if (told.makes_bond()) {
                EXPECT_EQ(window.model.lines[static_cast<std::size_t>(window.model.nlin)].obj2,
                          told.element);
            }
        }

        // The same journal, replayed alone and with the feedback asked after
        // every event, ends in the same window.
        const Journal parsed = parse_journal(journal, "gestures.jnl");
        ModelWindow plain = loaded;
        AppState plain_app = loaded_app;
        test::FakeHost plain_host;
        replay_journal(plain, plain_app, plain_host, parsed);
        ModelWindow watched = loaded;
        AppState watched_app = loaded_app;
        test::FakeHost watched_host;
        ReplaySession session;
        session.history.start(watched);
        for (const JournalEntry& entry : parsed.entries) {
            replay_event(watched, watched_app, watched_host, session, entry, parsed.name);
            bond_feedback(watched, entry.event.x, entry.event.y, entry.event.button != 0);
            predict_bond_start(watched, entry.event.x, entry.event.y);
        }
        EXPECT_EQ(format_state_file(watched, watched_app), format_state_file(plain, plain_app));
        EXPECT_EQ(format_state_file(plain, plain_app), format_state_file(window, app));
    }
    // Every rule was met, each many times but the rare ones.
    EXPECT_GT(starts, 500);
    for (const BondRefusal common :
         {BondRefusal::kNone, BondRefusal::kNoElement, BondRefusal::kStartElement,
          BondRefusal::kJoinedAlready, BondRefusal::kNoJunction}) {
        EXPECT_GT(seen[common], 20) << static_cast<int>(common);
    }
    EXPECT_GT(seen[BondRefusal::kNoMoreBonds], 0);
}

}  // namespace
}  // namespace vantor
