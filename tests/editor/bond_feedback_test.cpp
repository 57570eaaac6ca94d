// The bond-drawing feedback foretells the handlers: what it says a release
// or a press would do is what the handlers then do.
#include "editor/bond_feedback.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <random>

#include "editor/dispatch.h"
#include "editor/pointer_router.h"
#include "journal/journal_writer.h"
#include "model/model_reader.h"
#include "replay_fixtures.h"

namespace vantor {
namespace {

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
    for (const auto& file : std::filesystem::directory_iterator(test::kExamples)) {
        if (file.path().extension() != ".bgf") continue;
        SCOPED_TRACE(file.path().filename().string());
        // Room for a few more bonds at every element, so that releases
        // meet every rule and not only full elements.
        Model model = read_model_file(file.path().string());
        for (int i = 1; i <= model.nobj; ++i) model.objs[static_cast<std::size_t>(i)].maxlin += 3;
        test::Editor live(test::kData, model), plain(test::kData, model),
            watched(test::kData, model);
        ModelWindow& window = live.window;
        std::string journal;
        PointerRouter router([&](const EditorEvent& e) {
            journal += format_journal_line(e) + "\n";
            dispatch_pointer_event(window, live.app, live.host, e);
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
            const auto last_bond = [&] {
                return window.model.lines[static_cast<std::size_t>(window.model.nlin)];
            };
            const BondRelease told = start > 0 ? predict_bond_release(window) : BondRelease{};
            if (start > 0) {
                ++starts;
                ++seen[told.refusal];
                EXPECT_EQ(last_bond().obj1, start);
            }
            router.release(window, 1, 0, px(x1), py(y1));
            ASSERT_EQ(window.model.nlin, bonds_before + (told.makes_bond() ? 1 : 0)) << trial;
            EXPECT_TRUE(!told.makes_bond() || last_bond().obj2 == told.element) << trial;
        }

        // The same journal, replayed alone and with the feedback asked after
        // every event, ends in the same window.
        plain.replay(journal);
        for (const JournalEntry& entry : parse_journal(journal, "gestures.jnl").entries) {
            replay_event(watched.window, watched.app, watched.host, watched.session, entry, "g");
            bond_feedback(watched.window, entry.event.x, entry.event.y, entry.event.button != 0);
            predict_bond_start(watched.window, entry.event.x, entry.event.y);
        }
        EXPECT_EQ(watched.state(), plain.state());
        EXPECT_EQ(plain.state(), live.state());
    }
    // Every rule was met, each many times but the rare ones.
    EXPECT_GT(starts, 500);
    for (const BondRefusal common :
         {BondRefusal::kNone, BondRefusal::kNoElement, BondRefusal::kStartElement,
          BondRefusal::kJoinedAlready, BondRefusal::kNoJunction}) {
        EXPECT_GT(seen[common], 20) << static_cast<int>(common);
    }
    EXPECT_GT(seen[BondRefusal::kNoMoreBonds], 0);
    // What the status bar says for the refusals the canvas tests do not meet.
    EXPECT_EQ(bond_refusal_text(BondRefusal::kStartElement), "release over another element");
    EXPECT_EQ(bond_refusal_text(BondRefusal::kNone), "");
}

}  // namespace
}  // namespace vantor
