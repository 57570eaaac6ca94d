#include "editor/history.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "model/model_writer.h"

namespace vantor {
namespace {

ObjRecord element(const std::string& caption, int left, int top) {
    ObjRecord o;
    o.type = "C__";
    o.parameters = "1";
    o.caption = caption;
    o.maxlin = 10;
    o.left = static_cast<std::int16_t>(left);
    o.top = static_cast<std::int16_t>(top);
    return o;
}

void add_element(Model& m, const std::string& caption, int left, int top) {
    m.objs[static_cast<std::size_t>(++m.nobj)] = element(caption, left, top);
}

void add_bond(Model& m, int a, int b) {
    m.lines[static_cast<std::size_t>(++m.nlin)] = {1, static_cast<std::int16_t>(a),
                                                   static_cast<std::int16_t>(b), 0};
}

// A chain of `elements` elements, each bonded to the next.
Model small_model(int elements = 5) {
    Model m;
    for (int k = 1; k <= elements; ++k) add_element(m, "E" + std::to_string(k), 100 * k, 200);
    for (int k = 1; k < elements; ++k) add_bond(m, k, k + 1);
    return m;
}

TEST(History, SelectionAndWorkFieldsAloneMakeNoStepButAreRestored) {
    Model m = small_model();
    History history;
    history.reset(m);

    EXPECT_FALSE(history.commit(m, "Nothing"));
    m.objs[1].effin = 3;
    m.objs[4].strongobj = 2;
    m.objs[2].selected = kTrue;
    m.lines[1].selected = kTrue;
    EXPECT_FALSE(history.commit(m, "Select"));
    EXPECT_EQ(history.steps(), 0u);

    // Undo brings them back as they were at the end of the last action.
    m.objs[5].left = 1;
    ASSERT_TRUE(history.commit(m, "Move"));
    m.objs[2].selected = kFalse;
    m.lines[1].selected = kFalse;
    m.objs[1].effin = 0;
    ASSERT_TRUE(history.undo(m));
    EXPECT_EQ(m.objs[2].selected, kTrue);
    EXPECT_EQ(m.lines[1].selected, kTrue);
    EXPECT_EQ(m.objs[1].effin, 3);
    EXPECT_EQ(m.objs[4].strongobj, 2);
}

TEST(History, ANewStepDropsTheStepsThatCouldBeRedone) {
    Model m = small_model();
    History history;
    history.reset(m);
    m.objs[1].top = 1;
    history.commit(m, "Move");
    m.objs[1].caption = "X";
    history.commit(m, "Caption");
    history.undo(m);
    history.undo(m);
    ASSERT_TRUE(history.can_redo());

    m.nobj = 4;
    ASSERT_TRUE(history.commit(m, "Delete"));
    EXPECT_FALSE(history.can_redo());
    EXPECT_EQ(history.steps(), 1u);
    EXPECT_EQ(history.undo_caption(), "Delete");
}

TEST(History, UndoLeavesSlotsAboveTheCountsAlone) {
    Model m = small_model();
    History history;
    history.reset(m);
    add_element(m, "New", 1, 1);
    history.commit(m, "Paste");
    m.objs[6].caption = "edited later";
    history.undo(m);
    EXPECT_EQ(m.nobj, 5);
    EXPECT_EQ(m.objs[6].caption.trimmed(), "edited later");
}

TEST(History, KeepsTheNewestStepsUpToItsCapacity) {
    for (const std::size_t capacity : {std::size_t{1}, std::size_t{3}, History::kDefaultCapacity}) {
        SCOPED_TRACE(capacity);
        Model m = small_model();
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
        EXPECT_FALSE(history.can_undo());
        EXPECT_EQ(history.undo_caption(), "");
        while (history.redo(m)) {
        }
        EXPECT_EQ(format_model(m), texts.back());
        EXPECT_FALSE(history.can_redo());
    }
}

TEST(History, CommitBeforeResetOnlyTakesTheStartingPoint) {
    Model m = small_model();
    History history;
    EXPECT_FALSE(history.commit(m, "Move"));
    m.objs[1].left = 7;
    EXPECT_TRUE(history.commit(m, "Move"));
    EXPECT_TRUE(history.undo(m));
    EXPECT_EQ(m.objs[1].left, 100);
}

// Grows, shrinks and edits a model at random, as the editor's actions do.
void random_edit(Model& m, std::mt19937& rng) {
    auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(1, n)(rng); };
    switch (pick(7)) {
        case 1:
            if (m.nobj < kMaxElements)
                add_element(m, "N" + std::to_string(pick(999)), pick(9000), pick(9000));
            break;
        case 2:
            if (m.nobj > 0) m.objs[static_cast<std::size_t>(m.nobj--)].caption = "gone";
            break;
        case 3:
            if (m.nobj > 0)
                m.objs[static_cast<std::size_t>(pick(m.nobj))].left =
                    static_cast<std::int16_t>(pick(9000));
            break;
        case 4:
            if (m.nobj > 0)
                m.objs[static_cast<std::size_t>(pick(m.nobj))].parameter2 =
                    std::to_string(pick(99));
            break;
        case 5:
            if (m.nobj > 1 && m.nlin < kMaxBonds) add_bond(m, pick(m.nobj), pick(m.nobj));
            break;
        case 6:
            if (m.nlin > 0) {
                const auto last = static_cast<std::size_t>(m.nlin--);
                m.lines[static_cast<std::size_t>(pick(m.nlin + 1))] = m.lines[last];
            }
            break;
        default:
            break;  // an action that changed nothing
    }
}

TEST(History, FiveHundredRandomEditsUndoToTheStartAndRedoToTheEnd) {
    std::mt19937 rng(20261207);
    Model m = small_model(70);
    History history(600);
    history.reset(m);
    const std::string start = format_model(m);
    std::vector<std::string> texts{start};
    for (int k = 0; k < 500; ++k) {
        random_edit(m, rng);
        const std::string text = format_model(m);
        EXPECT_EQ(history.commit(m, "Edit"), text != texts.back()) << "edit " << k;
        if (text != texts.back()) texts.push_back(text);
    }
    ASSERT_EQ(history.steps() + 1, texts.size());
    const std::string end = format_model(m);

    for (std::size_t k = texts.size() - 1; k > 0; --k) {
        ASSERT_TRUE(history.undo(m));
        ASSERT_EQ(format_model(m), texts[k - 1]) << "undo to step " << k - 1;
    }
    EXPECT_EQ(format_model(m), start);
    while (history.redo(m)) {
    }
    EXPECT_EQ(format_model(m), end);
}

}  // namespace
}  // namespace vantor
