#include "editor/history.h"

#include <gtest/gtest.h>

#include <string>

#include "model/model_writer.h"
#include "replay_fixtures.h"

namespace vantor {
namespace {

// small_model() with a bond from the junction to the capacitor.
Model bonded_model() {
    Model m = test::small_model();
    m.lines[static_cast<std::size_t>(++m.nlin)] = {1, 1, 2, 0};
    return m;
}

TEST(History, SelectionAndWorkFieldsAloneMakeNoStepButAreRestored) {
    Model m = bonded_model();
    History history;
    EXPECT_FALSE(history.commit(m, "Before reset"));  // only takes the starting point
    EXPECT_FALSE(history.commit(m, "Nothing"));
    m.objs[1].effin = 3;
    m.objs[4].strongobj = 2;
    m.objs[2].selected = kTrue;
    m.lines[1].selected = kTrue;
    EXPECT_FALSE(history.commit(m, "Select"));
    EXPECT_EQ(history.steps(), 0u);

    // Undo brings them back as they were at the end of the last action, and
    // leaves the slots above the counts alone.
    m.objs[8] = m.objs[1];
    ++m.nobj;
    ASSERT_TRUE(history.commit(m, "Paste"));
    m.objs[8].caption = "edited later";
    m.objs[2].selected = kFalse;
    m.lines[1].selected = kFalse;
    m.objs[1].effin = 0;
    ASSERT_TRUE(history.undo(m));
    EXPECT_EQ(m.objs[8].caption.trimmed(), "edited later");
    EXPECT_EQ((std::vector<int>{m.nobj, m.objs[2].selected, m.lines[1].selected, m.objs[1].effin,
                                m.objs[4].strongobj}),
              (std::vector<int>{7, kTrue, kTrue, 3, 2}));
}

// The newest steps up to the capacity undo and redo to the texts they
// made; a new step after undoing drops the steps that could be redone.
TEST(History, KeepsTheNewestStepsUpToItsCapacity) {
    for (const std::size_t capacity : {std::size_t{1}, std::size_t{3}, History::kDefaultCapacity}) {
        SCOPED_TRACE(capacity);
        Model m = bonded_model();
        History history(capacity);
        history.reset(m);
        std::vector<std::string> texts{format_model(m)};
        const int edits = static_cast<int>(capacity) + 5;
        for (int k = 1; k <= edits; ++k) {
            m.objs[1].left = static_cast<std::int16_t>(k);
            ASSERT_TRUE(history.commit(m, "Move " + std::to_string(k)));
            texts.push_back(format_model(m));
        }
        EXPECT_EQ(history.steps(), capacity);
        EXPECT_EQ(history.undo_caption(), "Move " + std::to_string(edits));
        std::size_t undone = 0;
        while (history.undo(m)) {
            EXPECT_EQ(history.redo_caption(), "Move " + std::to_string(edits - undone++));
        }
        EXPECT_EQ(undone, capacity);
        EXPECT_EQ(format_model(m), texts[texts.size() - 1 - capacity]);
        EXPECT_EQ(history.undo_caption(), "");
        while (history.redo(m)) continue;
        EXPECT_EQ(format_model(m), texts.back());
        history.undo(m);
        m.nobj = 6;
        ASSERT_TRUE(history.commit(m, "Delete"));
        EXPECT_FALSE(history.can_redo());
        EXPECT_EQ(history.undo_caption(), "Delete");
    }
}

}  // namespace
}  // namespace vantor
