#include "window/deletion.h"

#include "model/element_kinds.h"

namespace vantor {

namespace {

std::int16_t one_less(std::int16_t value) {
    return static_cast<std::int16_t>(value - 1);
}

// Whether "con" element k hangs on another "con" while element n is being
// moved into number i: a reference to n already means the moved record.
bool hangs_on_con(const Model& m, const ObjRecord& k, int i, int n) {
    if (k.auxil2 < 1 || k.auxil2 > n) return false;
    const int predecessor = k.auxil2 == n ? i : k.auxil2;
    return is_con(m.objs[static_cast<std::size_t>(predecessor)]);
}

// Ports and connection points that named i or n follow the move; those that
// named the deleted element i are given n, past the end, which marks them
// orphaned.
void renumber_cons(Model& m, int i, int n) {
    for (int k = m.nobj; k >= 1; --k) {
        ObjRecord& o = m.objs[static_cast<std::size_t>(k)];
        if (!is_con(o)) continue;
        if (hangs_on_con(m, o, i, n)) {
            if (o.index == i) o.index = 0;  // its input port is gone
            if (o.index == n) o.index = static_cast<std::int16_t>(i);
        }
        if (o.auxil2 == n)
            o.auxil2 = static_cast<std::int16_t>(i);
        else if (o.auxil2 == i)
            o.auxil2 = static_cast<std::int16_t>(n);
    }
}

int first_orphan(const Model& m) {
    for (int k = m.nobj; k >= 1; --k) {
        const ObjRecord& o = m.objs[static_cast<std::size_t>(k)];
        if (is_con(o) && o.auxil2 > m.nobj) return k;
    }
    return 0;
}

}  // namespace

void copiar_imagen(Glyph& dest, const Glyph& src) {
    dest.top = src.top;
    dest.left = src.left;
    dest.caption = src.caption;
    dest.color = src.color;
    dest.height = src.height;
    dest.width = src.width;
    dest.bold = src.bold;
    dest.font_size = src.font_size;
    dest.font_name = src.font_name;
    dest.border = src.border;
}

void borrar_linea(ModelWindow& window, int j) {
    Model& m = window.model;
    if (j < 1 || j > m.nlin) return;
    const LineRecord& bond = m.lines[static_cast<std::size_t>(j)];
    if (bond.causa < kSignalLink) {
        if (in_model(m, bond.obj1) && in_model(m, bond.obj2)) {
            ObjRecord& a = m.objs[static_cast<std::size_t>(bond.obj1)];
            a.numlin = one_less(a.numlin);
            ObjRecord& b = m.objs[static_cast<std::size_t>(bond.obj2)];
            b.numlin = one_less(b.numlin);
        }
    } else if (is_connection_point(m, bond.obj1)) {
        m.objs[static_cast<std::size_t>(bond.obj1)].index = 0;
    }

    // Only the record moves: the line controls of j keep their width,
    // visibility and ends until the next redraw draws the moved bond on them.
    m.lines[static_cast<std::size_t>(j)] = m.lines[static_cast<std::size_t>(m.nlin)];
    load_bond_lines(window, m.nlin);  // unloaded: back to a fresh member
    m.nlin = one_less(m.nlin);
}

void borrar_objeto(ModelWindow& window, const AppState& app, int i) {
    Model& m = window.model;
    if (i < 1 || i > m.nobj) return;
    const int n = m.nobj;

    copiar_imagen(window.image1[static_cast<std::size_t>(i)],
                  window.image1[static_cast<std::size_t>(n)]);

    for (int j = m.nlin; j >= 1; --j) {
        if (j > m.nlin) continue;
        const LineRecord& bond = m.lines[static_cast<std::size_t>(j)];
        if (bond.obj1 == i || bond.obj2 == i) borrar_linea(window, j);
    }
    for (int j = 1; j <= m.nlin; ++j) {
        LineRecord& bond = m.lines[static_cast<std::size_t>(j)];
        if (bond.obj1 == n) bond.obj1 = static_cast<std::int16_t>(i);
        if (bond.obj2 == n) bond.obj2 = static_cast<std::int16_t>(i);
    }

    m.objs[static_cast<std::size_t>(i)] = m.objs[static_cast<std::size_t>(n)];
    load_glyph(window, n);  // unloaded: back to a fresh member
    m.nobj = static_cast<std::int16_t>(n - 1);

    renumber_cons(m, i, n);

    // One orphan at a time: deleting it renumbers again and finds the next.
    if (const int orphan = first_orphan(m); orphan != 0) borrar_objeto(window, app, orphan);
}

}  // namespace vantor
