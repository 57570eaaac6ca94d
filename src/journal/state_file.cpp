#include "journal/state_file.h"

#include <cmath>
#include <cstdio>
#include <string_view>

#include "model/cp1252.h"

namespace vantor {
namespace {

// Builds `"key": value` pairs; the caller places braces and line breaks.
class JsonWriter {
  public:
    std::string out;

    void key(std::string_view name) {
        if (!first_) out += ", ";
        first_ = false;
        out += '"';
        out += name;
        out += "\": ";
    }
    void open(char brace) {
        out += brace;
        first_ = true;
    }
    void close(char brace) {
        out += brace;
        first_ = false;
    }
    // A comma between members that stand on lines of their own.
    void next_line(std::string_view indent) {
        if (!first_) out += ",";
        out += "\n";
        out += indent;
        first_ = true;
    }

    void integer(std::string_view name, int v) {
        key(name);
        out += std::to_string(v);
    }
    void boolean(std::string_view name, bool v) {
        key(name);
        out += v ? "true" : "false";
    }
    // JSON has no infinities: a control pushed that far is written null.
    void single(std::string_view name, float v) {
        key(name);
        if (!std::isfinite(v)) {
            out += "null";
            return;
        }
        char text[32];
        std::snprintf(text, sizeof text, "%.9g", static_cast<double>(v));
        out += text;
    }
    // Model text (Windows-1252), written as UTF-8.
    void text(std::string_view name, std::string_view bytes) {
        key(name);
        out += '"';
        for (char c : cp1252_to_utf8(bytes)) escape(c);
        out += '"';
    }

  private:
    void escape(char c) {
        switch (c) {
            case '"':
                out += "\\\"";
                return;
            case '\\':
                out += "\\\\";
                return;
            case '\n':
                out += "\\n";
                return;
            case '\r':
                out += "\\r";
                return;
            case '\t':
                out += "\\t";
                return;
        }
        if (static_cast<unsigned char>(c) < 0x20) {
            char code[8];
            std::snprintf(code, sizeof code, "\\u%04x", static_cast<unsigned>(c));
            out += code;
        } else {
            out += c;
        }
    }

    bool first_ = true;
};

void write_element(JsonWriter& j, const ObjRecord& o, int i) {
    j.open('{');
    j.integer("i", i);
    j.text("type", o.type.trimmed());
    j.text("caption", o.caption.trimmed());
    j.text("parameters", o.parameters.trimmed());
    j.text("parameter2", o.parameter2.trimmed());
    j.integer("top", o.top);
    j.integer("left", o.left);
    j.integer("maxlin", o.maxlin);
    j.integer("numlin", o.numlin);
    j.integer("index", o.index);
    j.integer("maxsigninp", o.maxsigninp);
    j.integer("signout", o.signout);
    j.integer("auxil1", o.auxil1);
    j.integer("auxil2", o.auxil2);
    j.integer("auxil3", o.auxil3);
    j.integer("selected", o.selected);
    j.close('}');
}

void write_glyph(JsonWriter& j, const Glyph& g, int i) {
    j.open('{');
    j.integer("i", i);
    j.single("left", g.left);
    j.single("top", g.top);
    j.single("width", g.width);
    j.single("height", g.height);
    j.text("caption", g.caption);
    j.integer("color", g.color);
    j.boolean("visible", g.visible);
    j.integer("border", g.border);
    j.close('}');
}

void write_line_control(JsonWriter& j, const LineControl& l, int n) {
    j.open('{');
    j.integer("j", n);
    j.single("x1", l.x1);
    j.single("y1", l.y1);
    j.single("x2", l.x2);
    j.single("y2", l.y2);
    j.integer("color", l.color);
    j.boolean("visible", l.visible);
    j.single("width", l.width);
    j.close('}');
}

// "name": [ one member a line ], members 1..count.
template <typename WriteMember>
void write_array(JsonWriter& j, std::string_view name, int count, WriteMember write_member) {
    j.key(name);
    j.open('[');
    for (int n = 1; n <= count; ++n) {
        j.next_line("    ");
        write_member(n);
    }
    if (count > 0) j.out += "\n  ";
    j.close(']');
}

}  // namespace

std::string format_state_file(const ModelWindow& w, const AppState& app) {
    const Model& m = w.model;
    JsonWriter j;
    j.open('{');
    j.next_line("  ");
    j.integer("nobj", m.nobj);
    j.integer("nlin", m.nlin);
    j.integer("saved", w.saved);
    j.integer("causerr", w.causerr);
    j.next_line("  ");
    j.key("scroll");
    j.open('{');
    j.integer("h", w.viewport.HScroll1.value);
    j.integer("v", w.viewport.VScroll1.value);
    j.close('}');
    j.key("size");
    j.open('{');
    j.single("w", w.viewport.width);
    j.single("h", w.viewport.height);
    j.close('}');
    j.next_line("  ");
    j.integer("pointer", w.MousePointer);
    j.next_line("  ");
    j.key("menus");
    j.open('{');
    j.boolean("copy", w.menus.copy);
    j.boolean("Cut", w.menus.Cut);
    j.boolean("ddelete", w.menus.ddelete);
    j.boolean("rotate", w.menus.rotate);
    j.boolean("showp", w.menus.showp);
    j.integer("simulink", w.menus.simulink_version);
    j.close('}');
    j.next_line("  ");
    j.key("clipboard");
    j.open('{');
    j.integer("nclipobj", app.nclipobj);
    j.integer("nclipline", app.nclipline);
    j.close('}');
    j.next_line("  ");
    j.key("Text1");
    j.open('{');
    j.boolean("visible", w.Text1.visible);
    j.single("left", w.Text1.left);
    j.single("top", w.Text1.top);
    j.single("width", w.Text1.width);
    j.single("height", w.Text1.height);
    j.text("text", w.Text1.text);
    j.close('}');

    const auto at = [](int n) { return static_cast<std::size_t>(n); };
    j.next_line("  ");
    write_array(j, "objs", m.nobj, [&](int i) { write_element(j, m.objs[at(i)], i); });
    j.next_line("  ");
    write_array(j, "lines", m.nlin, [&](int n) {
        const LineRecord& b = m.lines[at(n)];
        j.open('{');
        j.integer("j", n);
        j.integer("causa", b.causa);
        j.integer("obj1", b.obj1);
        j.integer("obj2", b.obj2);
        j.integer("selected", b.selected);
        j.close('}');
    });
    j.next_line("  ");
    write_array(j, "image1", m.nobj, [&](int i) { write_glyph(j, w.image1[at(i)], i); });
    j.next_line("  ");
    write_array(j, "linea", m.nlin, [&](int n) { write_line_control(j, w.linea[at(n)], n); });
    j.next_line("  ");
    write_array(j, "linea2", m.nlin, [&](int n) { write_line_control(j, w.linea2[at(n)], n); });
    // On the line of linea2, as in the documented example.
    write_array(j, "Linea3", m.nlin, [&](int n) { write_line_control(j, w.Linea3[at(n)], n); });
    j.out += "\n}\n";
    return j.out;
}

}  // namespace vantor
