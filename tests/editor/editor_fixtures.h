#pragma once

#include <gtest/gtest.h>

#include <string>
#include <tuple>
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

inline std::int16_t i16(int v) {
    return static_cast<std::int16_t>(v);
}

inline ObjRecord element(const char* type, const char* caption, int maxlin = 2) {
    ObjRecord obj;
    obj.type = type;
    obj.caption = caption;
    obj.maxlin = i16(maxlin);
    return obj;
}

inline ObjRecord signal_block(const char* caption, int inputs, int outputs) {
    ObjRecord obj = element("sum", caption, 0);
    obj.maxsigninp = i16(inputs);
    obj.signout = i16(outputs);
    return obj;
}

// A "con" owned by `owner`: a port of a block, or a connection point when the
// owner is itself a "con". The only port on its side (`lone`) stays where it
// is in the redraws.
inline ObjRecord con(int owner, int signout, bool lone = false) {
    ObjRecord obj = element("con", ">", 1);
    obj.auxil2 = i16(owner);
    obj.signout = i16(signout);
    obj.auxil3 = lone ? 1 : 0;
    return obj;
}
inline ObjRecord lone_port(int owner, int signout) {
    return con(owner, signout, true);
}

class EditorTest : public testing::Test {
  protected:
    void SetUp() override { init_model_window(window, 1); }

    // Appends an element with its glyph shown at (left, top).
    int add(ObjRecord obj, int left, int top) {
        const int i = ++window.model.nobj;
        obj.left = i16(left);
        obj.top = i16(top);
        window.model.objs[static_cast<std::size_t>(i)] = obj;
        load_glyph(window, i);
        leeimagen(window, i);
        return i;
    }

    // Appends a bond whose line runs from (x1, y1) to (x2, y2).
    int add_bond(int obj1, int obj2, float x1, float y1, float x2, float y2, int causa = 0) {
        const int j = ++window.model.nlin;
        window.model.lines[static_cast<std::size_t>(j)] = {i16(causa), i16(obj1), i16(obj2), 0};
        load_bond_lines(window, j);
        LineControl& line = window.linea[static_cast<std::size_t>(j)];
        line.visible = true;
        std::tie(line.x1, line.y1, line.x2, line.y2) = std::tie(x1, y1, x2, y2);
        return j;
    }

    const ObjRecord& obj(int i) const { return window.model.objs[static_cast<std::size_t>(i)]; }
    Glyph& glyph(int i) { return window.image1[static_cast<std::size_t>(i)]; }

    ModelWindow window;
    AppState app;
    FakeHost host;
};

}  // namespace vantor::test
