#include "editor/pointer_router.h"

#include <gtest/gtest.h>

#include <sstream>

#include "editor/background_mouse.h"
#include "editor/connect.h"
#include "editor/dispatch.h"
#include "editor/glyph_mouse.h"
#include "editor_fixtures.h"

namespace vantor {
namespace {

using test::con;
using test::EditorTest;
using test::element;
using test::signal_block;

std::string describe(const EditorEvent& e) {
    std::ostringstream out;
    switch (e.kind) {
        case EventKind::kFormMouseMove:
            out << "form_mousemove";
            break;
        case EventKind::kFormMouseUp:
            out << "form_mouseup";
            break;
        case EventKind::kFormDblClick:
            return "form_dblclick";
        case EventKind::kFormLostFocus:
            return "form_lostfocus";
        case EventKind::kImageMouseMove:
            out << "image1_mousemove " << e.index;
            break;
        case EventKind::kImageMouseUp:
            out << "image1_mouseup " << e.index;
            break;
        case EventKind::kImageClick:
            return "image1_click " + std::to_string(e.index);
        case EventKind::kImageDblClick:
            return "image1_dblclick " + std::to_string(e.index);
        case EventKind::kDrop:
            out << "drop " << e.name << ' ' << e.value;
            break;
        default:
            return "other";
    }
    if (e.kind != EventKind::kDrop) out << ' ' << e.button << ' ' << e.shift;
    out << ' ' << e.x << ' ' << e.y;
    return out.str();
}

// The router records what it emits and, like the window's owner, runs it.
class PointerRouterTest : public EditorTest {
  protected:
    std::vector<std::string> events;
    PointerRouter router{[this](const EditorEvent& e) {
        events.push_back(describe(e));
        dispatch_pointer_event(window, app, host, e);
    }};
};

TEST_F(PointerRouterTest, PixelsBecomeScrolledTwips) {
    struct Case {
        double px, py;
        int h, v;
        float x, y;
    };
    const Case cases[] = {
        {0, 0, 0, 0, 0, 0},
        {10, 20, 0, 0, 150, 300},
        {10, 20, 500, 1000, 650, 1300},
        {2.5, 0.2, 100, 0, 137.5f, 3},
    };
    for (const Case& c : cases) {
        window.viewport.HScroll1.value = c.h;
        window.viewport.VScroll1.value = c.v;
        EXPECT_EQ(pixel_to_twips_x(window, c.px), c.x);
        EXPECT_EQ(pixel_to_twips_y(window, c.py), c.y);
    }
}

TEST_F(PointerRouterTest, TheTopmostVisibleGlyphTakesThePoint) {
    const int a = add(element("R__", "RRRR"), 1000, 1000);  // 480 x 225
    const int b = add(element("C__", "CCCC"), 1200, 1100);
    const int hidden = add(element("I__", "IIII"), 1000, 1000);
    glyph(hidden).visible = false;
    struct Case {
        int z_a, z_b;
        float x, y;
        int found;
    };
    const Case cases[] = {
        {0, 0, 1300, 1150, b},  // equal z: the later glyph is on top
        {2, 1, 1300, 1150, a}, {1, 2, 1300, 1150, b},
        {2, 1, 1000, 1000, a},  // the top-left corner belongs to the glyph
        {2, 1, 1480, 1150, b},  // the right edge does not
        {0, 0, 900, 1150, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
        glyph(a).z = c.z_a;
        glyph(b).z = c.z_b;
        EXPECT_EQ(glyph_at(window, c.x, c.y), c.found);
    }
}

TEST_F(PointerRouterTest, APressShowsAtTheFirstMoveAndTheGlyphKeepsThePointer) {
    // An output port: it does not move when dragged.
    const int block = add(signal_block("sum", 0, 1), 100, 100);
    add(con(block, -1), 1500, 1500);
    window.viewport.HScroll1.value = 300;
    router.press(window, 1, 0, 80, 101);  // twips (1500, 1515): (0, 15) on the port
    EXPECT_TRUE(events.empty());
    router.move(window, 0, 81, 101);
    router.move(window, 0, 500, 500);  // far off the port: still its event
    router.release(window, 1, 0, 500, 500);
    router.move(window, 0, 500, 500);
    const std::vector<std::string> expected = {
        "image1_mousemove 2 1 0 15 15",   "image1_mousemove 2 1 0 6300 6000",
        "image1_mouseup 2 1 0 6300 6000", "image1_click 2",
        "form_mousemove 0 0 7800 7500",
    };
    EXPECT_EQ(events, expected);
}

TEST_F(PointerRouterTest, ABackgroundPressKeepsThePointerOverGlyphs) {
    add(element("R__", "R"), 1500, 1500);
    router.press(window, 1, 0, 0, 0);
    router.move(window, 0, 101, 101);  // over the glyph
    router.release(window, 1, 0, 101, 101);
    const std::vector<std::string> expected = {"form_mousemove 1 0 1515 1515",
                                               "form_mouseup 1 0 1515 1515"};
    EXPECT_EQ(events, expected);
}

TEST_F(PointerRouterTest, OnlyALeftReleaseOnAGlyphClicks) {
    add(element("R__", "R"), 0, 0);
    router.press(window, 2, 1, 1, 1);
    router.press(window, 1, 0, 1, 1);
    router.release(window, 2, 0, 1, 1);
    router.release(window, 1, 0, 1, 1);
    const std::vector<std::string> expected = {"image1_mouseup 1 2 0 15 15",
                                               "image1_mouseup 1 1 0 15 15", "image1_click 1"};
    EXPECT_EQ(events, expected);
}

TEST_F(PointerRouterTest, ADoubleClickArrivesAfterTheClickBeforeTheSecondRelease) {
    add(element("R__", "R"), 0, 0);
    for (double px : {1.0, 200.0}) {
        router.press(window, 1, 0, px, 1);
        router.release(window, 1, 0, px, 1);
        router.double_click(window, 1, 0, px, 1);
        router.release(window, 1, 0, px, 1);
    }
    const std::vector<std::string> expected = {
        "image1_mouseup 1 1 0 15 15", "image1_click 1",           "image1_dblclick 1",
        "image1_mouseup 1 1 0 15 15", "form_mouseup 1 0 3000 15", "form_dblclick",
        "form_mouseup 1 0 3000 15",
    };
    EXPECT_EQ(events, expected);
}

TEST_F(PointerRouterTest, TheCaptionBoxKeepsItsOwnEvents) {
    window.Text1.visible = true;
    window.Text1.width = window.Text1.height = 300;
    router.press(window, 1, 0, 5, 5);
    router.move(window, 0, 6, 6);
    router.release(window, 1, 0, 6, 6);
    router.move(window, 0, 30, 30);
    const std::vector<std::string> expected = {"form_mousemove 0 0 450 450"};
    EXPECT_EQ(events, expected);
}

// A gesture given to the router leaves the window as the handler calls it
// stands for leave a twin window.
TEST_F(PointerRouterTest, RoutedGesturesEqualTheirHandlerCalls) {
    const int a = add(element("R__", "R"), 1500, 1500);
    const int b = add(element("111", "1"), 3000, 1500);
    add_bond(a, b, 1620, 1600, 2990, 1600);
    ModelWindow twin = window;
    AppState twin_app = app;
    window.viewport.HScroll1.value = twin.viewport.HScroll1.value = 300;

    // Press and drag glyph a, click it, then a rectangle and a double click
    // on the bond.
    router.press(window, 1, 0, 80, 101);
    router.move(window, 0, 90, 105);
    router.release(window, 1, 0, 90, 105);
    router.move(window, 0, 300, 60);
    router.press(window, 1, 0, 300, 60);
    router.move(window, 0, 350, 130);
    router.release(window, 1, 0, 350, 130);
    router.press(window, 1, 0, 130, 106);
    router.release(window, 1, 0, 130, 106);
    router.double_click(window, 1, 0, 130, 106);
    router.release(window, 1, 0, 130, 106);

    const auto glyph_x = [&](float x) { return x - twin.image1[1].left; };
    const auto glyph_y = [&](float y) { return y - twin.image1[1].top; };
    image1_MouseMove(twin, twin_app, a, 1, 0, glyph_x(1650), glyph_y(1575));
    image1_MouseUp(twin, twin_app, a, 1, 0, glyph_x(1650), glyph_y(1575));
    image1_Click(twin, twin_app, a);
    form_mousemove(twin, twin_app, 0, 0, 4800, 900);
    form_mousemove(twin, twin_app, 1, 0, 5550, 1950);
    Form_MouseUp(twin, twin_app, 1, 0, 5550, 1950);
    Form_MouseUp(twin, twin_app, 1, 0, 2250, 1590);
    Form_DblClick(twin);
    Form_MouseUp(twin, twin_app, 1, 0, 2250, 1590);

    EXPECT_EQ(events.size(), 9u);
    EXPECT_EQ(test::dump_state(window, app), test::dump_state(twin, twin_app));
    EXPECT_EQ(window.model.lines[1].causa, 1);
}

}  // namespace
}  // namespace vantor
