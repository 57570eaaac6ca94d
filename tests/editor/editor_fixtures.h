#pragma once

#include <gtest/gtest.h>

#include <sstream>
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
    bool selected(int i) const { return obj(i).selected == kTrue; }
    bool bond_selected(int j) const {
        return window.model.lines[static_cast<std::size_t>(j)].selected == kTrue;
    }

    // The numbers of the selected elements.
    std::vector<int> selection() const {
        std::vector<int> numbers;
        for (int i = 1; i <= window.model.nobj; ++i) {
            if (selected(i)) numbers.push_back(i);
        }
        return numbers;
    }

    ModelWindow window;
    AppState app;
    FakeHost host;
};

// Everything the mouse handlers read or write, as text, so that two windows
// can be compared with a readable difference.
inline std::string dump_state(const ModelWindow& w, const AppState& app) {
    std::ostringstream out;
    const Model& m = w.model;
    out << "nobj " << m.nobj << " nlin " << m.nlin << " saved " << w.saved << "\n";
    out << "selready " << app.selready << " selband " << app.selband << "\n";
    const MouseState& mouse = w.mouse;
    out << "mouse " << mouse.dragging << ' ' << mouse.fromobj << ' ' << mouse.linking << ' '
        << mouse.overobj << ' ' << mouse.lastx << ' ' << mouse.lasty << ' ' << mouse.bandx << ' '
        << mouse.bandy << ' ' << mouse.dblclick << "\n";
    out << "pointer " << w.MousePointer << " menus " << w.menus.copy << w.menus.Cut
        << w.menus.ddelete << w.menus.rotate << "\n";
    out << "sector " << w.sector.left << ' ' << w.sector.top << ' ' << w.sector.width << ' '
        << w.sector.height << ' ' << w.sector.visible << "\n";
    out << "Text1 " << w.Text1.left << ' ' << w.Text1.top << ' ' << w.Text1.width << ' '
        << w.Text1.height << ' ' << w.Text1.visible << ' ' << w.Text1.focused << " \""
        << w.Text1.text << "\"\n";
    out << "scroll " << w.viewport.HScroll1.value << ' ' << w.viewport.VScroll1.value << "\n";
    for (int i = 1; i <= m.nobj; ++i) {
        const ObjRecord& o = m.objs[static_cast<std::size_t>(i)];
        const Glyph& g = w.image1[static_cast<std::size_t>(i)];
        out << "obj " << i << ' ' << o.type.trimmed() << " \"" << o.caption.trimmed() << "\" "
            << o.left << ',' << o.top << " sel " << o.selected << " aux " << o.auxil2 << ' '
            << o.auxil3 << " glyph " << g.left << ',' << g.top << ' ' << g.width << 'x' << g.height
            << " \"" << g.caption << "\" c" << g.color << " v" << g.visible << " z" << g.z << "\n";
    }
    for (int j = 1; j <= m.nlin; ++j) {
        const LineRecord& l = m.lines[static_cast<std::size_t>(j)];
        const LineControl& c = w.linea[static_cast<std::size_t>(j)];
        out << "bond " << j << ' ' << l.causa << ' ' << l.obj1 << ' ' << l.obj2 << " sel "
            << l.selected << " line " << c.x1 << ',' << c.y1 << ' ' << c.x2 << ',' << c.y2 << " c"
            << c.color << "\n";
    }
    return out.str();
}

}  // namespace vantor::test
