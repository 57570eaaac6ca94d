#include "editor/drop.h"

#include <gtest/gtest.h>

#include <sstream>

#include "display/stored_int16.h"
#include "display/viewport.h"
#include "editor/dispatch.h"
#include "editor/pointer_router.h"
#include "editor_fixtures.h"

namespace vantor {
namespace {

using test::con;
using test::EditorTest;
using test::element;
using test::signal_block;

class DropTest : public EditorTest {};

TEST_F(DropTest, SignalBlockPortsFollowTheirBlockInputsFirst) {
    add(element("C__", "C"), 100, 100);
    app.dragobj = signal_block("sum", 2, 1);
    app.selready = kFalse;  // as the palette leaves it while dragging
    window.Text1.visible = true;
    Form_DragDrop(window, app, host, 2000, 1500);

    ASSERT_EQ(window.model.nobj, 5);
    EXPECT_EQ(window.mouse.fromobj, 2);
    // Zeroed records but for these; the redraw gives them their owner's selection.
    const std::string ports[] = {"con > 0 2 1 0 0 -1", "con > 0 2 2 0 0 -1", "con > 0 2 1 -1 0 -1"};
    for (int p = 3; p <= 5; ++p) {
        const ObjRecord& o = obj(p);
        std::ostringstream port;
        port << o.type.trimmed() << ' ' << o.caption.trimmed() << ' ' << o.auxil1 << ' ' << o.auxil2
             << ' ' << o.auxil3 << ' ' << o.signout << ' ' << o.maxlin << ' ' << o.selected;
        EXPECT_EQ(port.str(), ports[p - 3]);
        EXPECT_EQ(glyph(p).caption, ">");
    }
    EXPECT_FALSE(selected(1));
    EXPECT_TRUE(selected(2));
    EXPECT_EQ(glyph(1).color, app.colnorm);
    EXPECT_EQ(glyph(2).color, app.colsel);
    EXPECT_TRUE(window.menus.copy && window.menus.Cut && window.menus.ddelete &&
                window.menus.rotate);
    EXPECT_FALSE(window.Text1.visible);
    EXPECT_EQ(app.selready, kTrue);
    EXPECT_EQ(window.mouse.dragging, kFalse);
    EXPECT_EQ(window.saved, kFalse);
    EXPECT_EQ(host.focus_requests, 1);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(DropTest, CaptionIsStoredLeftTrimmedAndShownTrimmed) {
    app.dragobj = element("R__", "  R  ");
    Form_DragDrop(window, app, host, 1000, 800);
    EXPECT_EQ(obj(1).caption.raw(), "R" + std::string(99, ' '));
    EXPECT_EQ(glyph(1).caption, "R");
}

TEST_F(DropTest, GlyphIsCentredOnTheDropPointRoundingHalvesToEven) {
    // "RR" unframed is 240 x 225 twips, "R" framed 150 x 255.
    const struct {
        const char* caption;
        int frame;
        float x, y;
        int left, top;
    } cases[] = {
        {"RR", 0, 1000, 800, 880, 688},  // 687.5 goes up to 688
        {"R", 1, 1000, 800, 925, 672},   // 672.5 goes down to 672
        {"R", 1, 1000.5f, 0, 926, -128},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        init_model_window(window, 1);
        app.dragobj = element("R__", c.caption);
        app.dragobj.auxil1 = static_cast<std::int16_t>(c.frame);
        Form_DragDrop(window, app, host, c.x, c.y);
        EXPECT_EQ(obj(1).left, c.left);
        EXPECT_EQ(obj(1).top, c.top);
        EXPECT_EQ(glyph(1).border, c.frame);
    }
}

TEST_F(DropTest, EveryDropComesToTheFront) {
    app.dragobj = element("R__", "R");
    Form_DragDrop(window, app, host, 1000, 800);
    Form_DragDrop(window, app, host, 1000, 800);
    EXPECT_GT(glyph(2).z, glyph(1).z);
    EXPECT_TRUE(selection() == std::vector<int>{2});
}

TEST_F(DropTest, DropThroughTheRouterAfterScrollingRight) {
    set_hscroll(window, 500);
    app.dragobj = element("R__", "R");  // 120 x 225
    PointerRouter router(
        [&](const EditorEvent& e) { EXPECT_TRUE(dispatch_pointer_event(window, app, host, e)); });
    router.drop(window, 8, 20, "lib", 1);
    EXPECT_EQ(obj(1).left, 8 * 15 + 500 - 60);
}

TEST_F(DropTest, ElementsBeyondTheLimitRefuseTheWholeDrop) {
    const struct {
        int nobj_before;
        int inputs, outputs;
        bool fits;
    } cases[] = {
        {996, 2, 1, true},
        {997, 2, 1, false},
        {1000, 0, 0, false},
        {999, -3, 0, true},  // a negative count makes no ports
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nobj_before);
        init_model_window(window, 1);
        host = test::FakeHost{};
        window.model.nobj = static_cast<std::int16_t>(c.nobj_before);
        window.Text1.visible = true;
        app.selready = kFalse;
        app.dragobj = signal_block("sum", c.inputs, c.outputs);
        const std::string before = test::dump_state(window, app);
        Form_DragDrop(window, app, host, 1000, 800);
        if (c.fits) {
            EXPECT_EQ(window.model.nobj, c.nobj_before + 1 + std::max(c.inputs, 0) + c.outputs);
            EXPECT_TRUE(host.messages.empty());
        } else {
            EXPECT_EQ(test::dump_state(window, app), before);
            EXPECT_TRUE(host.messages ==
                        std::vector<std::string>{"The model cannot hold more than 1000 elements"});
            EXPECT_EQ(host.focus_requests, 0);
        }
    }
}

TEST_F(DropTest, APositionOutside16BitsStopsTheDrop) {
    app.dragobj = element("R__", "R");
    EXPECT_THROW(Form_DragDrop(window, app, host, 40000, 800), Int16Overflow);
}

}  // namespace
}  // namespace vantor
