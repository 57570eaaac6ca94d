#include "editor/click_to_place.h"

#include <gtest/gtest.h>

#include "editor_fixtures.h"

namespace vantor {
namespace {

using ClickToPlace = test::EditorTest;
using test::element;

// Only a plain left click where a click selects nothing places the waiting
// entry; every other press keeps its meaning.
TEST_F(ClickToPlace, OnlyALeftPressOnEmptyCanvasPlaces) {
    add(element("R__", "RRRR"), 1000, 1000);  // 480 x 225
    add_bond(0, 0, 3000, 500, 3000, 2500);
    TextBox& box = window.Text1;
    box.left = box.top = 4000;
    box.width = box.height = 600;
    box.visible = true;
    // clang-format off
    const struct { const char* where; int button, held; float x, y; ArmedPress expected; } cases[] = {
        {"empty canvas", 1, 0, 200, 200, ArmedPress::kPlace},
        {"beside a glyph", 1, 0, 1000 + 480 + 60, 1000, ArmedPress::kPlace},
        {"on a glyph", 1, 0, 1100, 1100, ArmedPress::kDisarm},
        {"on a glyph's last twip", 1, 0, 1479, 1224, ArmedPress::kDisarm},
        {"within reach of a bond", 1, 0, 3030, 1500, ArmedPress::kDisarm},
        {"past a bond's reach", 1, 0, 3050, 1500, ArmedPress::kPlace},
        {"in the caption box", 1, 0, 4100, 4100, ArmedPress::kDisarm},
        {"right button", 2, 0, 200, 200, ArmedPress::kDisarm},
        {"middle button", 4, 0, 200, 200, ArmedPress::kDisarm},
        {"left while right is held", 1, 2, 200, 200, ArmedPress::kDisarm},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(armed_press(window, c.button, c.held, c.x, c.y), c.expected) << c.where;
    }
    // A hidden caption box takes nothing.
    box.visible = false;
    EXPECT_EQ(armed_press(window, 1, 0, 4100, 4100), ArmedPress::kPlace);
}

}  // namespace
}  // namespace vantor
