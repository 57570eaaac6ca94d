#pragma once

#include <cstdint>
#include <string>

#include "window/app_state.h"
#include "window/model_window.h"

namespace vantor::test {

// Builds small models in a window by hand: records and their controls as the
// loader leaves them (visible glyphs at their places, 120 twips a character
// and 225 high, the size of a one-line caption; bond lines visible).
class WindowBuilder {
  public:
    WindowBuilder() { init_model_window(window, 1); }

    // Appends an element; returns its number.
    int element(const std::string& type, const std::string& caption, int left, int top) {
        Model& m = window.model;
        const int i = ++m.nobj;
        ObjRecord& o = m.objs[static_cast<std::size_t>(i)];
        o = ObjRecord{};
        o.type = type;
        o.caption = caption;
        o.parameters = "";
        o.left = static_cast<std::int16_t>(left);
        o.top = static_cast<std::int16_t>(top);
        o.maxlin = 10;
        load_glyph(window, i);
        Glyph& g = glyph(i);
        g.visible = true;
        g.caption = caption;
        g.left = static_cast<float>(left);
        g.top = static_cast<float>(top);
        g.width = static_cast<float>(120 * caption.size());
        g.height = 225;
        return i;
    }

    // Appends a port or connection point hanging on `owner`.
    int con(int owner, int number, bool output, const std::string& caption = ">") {
        const int i = element("con", caption, 0, 0);
        ObjRecord& o = obj(i);
        o.auxil2 = static_cast<std::int16_t>(owner);
        o.auxil3 = static_cast<std::int16_t>(number);
        o.signout = output ? -1 : 0;
        return i;
    }

    // Gives element i a frame, as loading a framed element does.
    void frame(int i) {
        obj(i).auxil1 = 1;
        glyph(i).border = 1;
    }

    // Appends a bond from a to b; returns its number.
    int bond(int a, int b, int causa = 0) {
        Model& m = window.model;
        const int j = ++m.nlin;
        m.lines[static_cast<std::size_t>(j)] =
            LineRecord{static_cast<std::int16_t>(causa), static_cast<std::int16_t>(a),
                       static_cast<std::int16_t>(b), 0};
        load_bond_lines(window, j);
        line(j).visible = true;
        barb(j).visible = true;
        return j;
    }

    ObjRecord& obj(int i) { return window.model.objs[static_cast<std::size_t>(i)]; }
    LineRecord& rec(int j) { return window.model.lines[static_cast<std::size_t>(j)]; }
    Glyph& glyph(int i) { return window.image1[static_cast<std::size_t>(i)]; }
    LineControl& line(int j) { return window.linea[static_cast<std::size_t>(j)]; }
    LineControl& barb(int j) { return window.linea2[static_cast<std::size_t>(j)]; }

    ModelWindow window;
    AppState app;
};

}  // namespace vantor::test
