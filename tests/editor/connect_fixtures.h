#pragma once

#include "editor/connect.h"
#include "editor/mouse_handlers.h"
#include "editor_fixtures.h"

namespace vantor::test {

// The mouse gestures that draw bonds and signal links, through the window's
// own handlers.
class ConnectTest : public EditorTest {
  protected:
    void reset() override {
        EditorTest::reset();
        // Large enough that no gesture here scrolls, unless a test says so.
        window.viewport.width = window.viewport.height = 30000;
    }

    float cx(int i) { return glyph(i).left + glyph(i).width / 2; }
    float cy(int i) { return glyph(i).top + glyph(i).height / 2; }

    // Hovers at (x0, y0), drags with the left button to (x1, y1), and returns
    // the pointer shape seen there before the release.
    int drag_bond(float x0, float y0, float x1, float y1) {
        form_mousemove(window, app, 0, 0, x0, y0);
        form_mousemove(window, app, 1, 0, x0, y0);
        form_mousemove(window, app, 1, 0, x1, y1);
        const int shown = window.MousePointer;
        Form_MouseUp(window, app, 1, 0, x1, y1);
        return shown;
    }
    int drag_bond(int from, int to) { return drag_bond(cx(from), cy(from), cx(to), cy(to)); }

    // A right-button drag of glyph i by (dx, dy), released at the end; the
    // pointer is given relative to the pressed glyph, which stays put.
    void right_drag(int i, float dx, float dy) {
        image1_MouseMove(window, app, i, 2, 0, 30, 40);
        image1_MouseMove(window, app, i, 2, 0, 30 + dx, 40 + dy);
        image1_MouseUp(window, app, i, 2, 0, 30 + dx, 40 + dy);
    }

    // Left-drags connection point p so that its glyph's centre lands on
    // glyph `onto`'s centre.
    void left_drag_onto(int p, int onto) {
        const float dx = cx(onto) - cx(p);
        const float dy = cy(onto) - cy(p);
        image1_MouseMove(window, app, p, 1, 0, 10, 10);
        image1_MouseMove(window, app, p, 1, 0, 10 + dx, 10 + dy);
        image1_MouseUp(window, app, p, 1, 0, 10, 10);
        image1_Click(window, app, p);
    }

    void fill_bonds_to_the_limit() {
        while (window.model.nlin < kMaxBonds) add_bond(0, 0, 0, 0, 0, 0);
    }
    void fill_elements_to_the_limit() {
        while (window.model.nobj < kMaxElements) add(element("R__", "R"), 9000, 9000);
    }
};

}  // namespace vantor::test
