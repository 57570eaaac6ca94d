#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "display/redraw.h"
#include "editor/editor_host.h"
#include "window/app_state.h"
#include "window/model_window.h"

namespace vantor::test {

class FakeHost : public EditorHost {
  public:
    void show_message(const std::string& text) override { messages.push_back(text); }
    void request_focus() override { ++focus_requests; }

    std::vector<std::string> messages;
    int focus_requests = 0;
};

inline ObjRecord element(const char* type, const char* caption, int maxlin = 2) {
    ObjRecord obj;
    obj.type = type;
    obj.caption = caption;
    obj.maxlin = static_cast<std::int16_t>(maxlin);
    return obj;
}

inline ObjRecord signal_block(const char* caption, int inputs, int outputs) {
    ObjRecord obj = element("sum", caption, 0);
    obj.maxsigninp = static_cast<std::int16_t>(inputs);
    obj.signout = static_cast<std::int16_t>(outputs);
    return obj;
}

// A "con" owned by `owner`: a port of a block, or a connection point when the
// owner is itself a "con".
inline ObjRecord con(int owner, int signout) {
    ObjRecord obj = element("con", ">", 1);
    obj.auxil2 = static_cast<std::int16_t>(owner);
    obj.signout = static_cast<std::int16_t>(signout);
    return obj;
}

// The only port on its side of `owner`: the redraws leave it where it is.
inline ObjRecord lone_port(int owner, int signout) {
    ObjRecord p = con(owner, signout);
    p.auxil3 = 1;
    return p;
}

class EditorTest : public testing::Test {
  protected:
    void SetUp() override { init_model_window(window, 1); }

    // Appends an element with its glyph shown at (left, top).
    int add(ObjRecord obj, int left, int top) {
        const int i = ++window.model.nobj;
        obj.left = static_cast<std::int16_t>(left);
        obj.top = static_cast<std::int16_t>(top);
        window.model.objs[static_cast<std::size_t>(i)] = obj;
        load_glyph(window, i);
        leeimagen(window, i);
        return i;
    }

    // Appends a bond whose line runs from (x1, y1) to (x2, y2).
    int add_bond(int obj1, int obj2, float x1, float y1, float x2, float y2, int causa = 0) {
        const int j = ++window.model.nlin;
        window.model.lines[static_cast<std::size_t>(j)] = {static_cast<std::int16_t>(causa),
                                                           static_cast<std::int16_t>(obj1),
                                                           static_cast<std::int16_t>(obj2), 0};
        load_bond_lines(window, j);
        LineControl& line = window.linea[static_cast<std::size_t>(j)];
        line.visible = true;
        line.x1 = x1;
        line.y1 = y1;
        line.x2 = x2;
        line.y2 = y2;
        return j;
    }

    const ObjRecord& obj(int i) const { return window.model.objs[static_cast<std::size_t>(i)]; }
    Glyph& glyph(int i) { return window.image1[static_cast<std::size_t>(i)]; }

    ModelWindow window;
    AppState app;
    FakeHost host;
};

}  // namespace vantor::test
