#include "editor/duplicate.h"

#include "model/element_kinds.h"
#include "window/deletion.h"
#include "window/selection.h"

namespace vantor {

namespace {

// The copy of element i, 0 when it was not copied or names no element of
// the model as it was before the copies were appended.
std::int16_t copy_of(const ModelWindow& window, int i, int originals) {
    if (i < 1 || i > originals) return 0;
    return window.objlink[static_cast<std::size_t>(i)];
}

bool copied_bond(const ModelWindow& window, const LineRecord& bond, int originals) {
    return bond.selected != 0 && copy_of(window, bond.obj1, originals) > 0 &&
           copy_of(window, bond.obj2, originals) > 0;
}

void deselect_bond(ModelWindow& window, const AppState& app, int j) {
    const auto k = static_cast<std::size_t>(j);
    window.model.lines[k].selected = kFalse;
    window.linea[k].color = window.linea2[k].color = window.Linea3[k].color = app.colnorm;
}

void copy_element(ModelWindow& window, const AppState& app, int i, int c) {
    Model& m = window.model;
    load_glyph(window, c);
    Glyph& glyph = window.image1[static_cast<std::size_t>(c)];
    copiar_imagen(glyph, window.image1[static_cast<std::size_t>(i)]);
    glyph.visible = true;
    glyph.color = app.colnorm;
    // A copy is laid on top of what it copies.
    glyph.z = ++window.next_z;
    ObjRecord& copy = m.objs[static_cast<std::size_t>(c)];
    copy = m.objs[static_cast<std::size_t>(i)];
    copy.numlin = 0;
    copy.selected = kFalse;
}

void copy_bond(ModelWindow& window, const AppState& app, int j, int b, int originals) {
    Model& m = window.model;
    const LineRecord& bond = m.lines[static_cast<std::size_t>(j)];
    const std::int16_t a = copy_of(window, bond.obj1, originals);
    const std::int16_t z = copy_of(window, bond.obj2, originals);
    m.lines[static_cast<std::size_t>(b)] = {bond.causa, a, z, kFalse};
    load_bond_lines(window, b);
    window.linea[static_cast<std::size_t>(b)].visible = true;
    window.linea2[static_cast<std::size_t>(b)].visible = true;
    ++m.objs[static_cast<std::size_t>(a)].numlin;
    ++m.objs[static_cast<std::size_t>(z)].numlin;
    select_bond(window, app, b);
    deselect_bond(window, app, j);
}

}  // namespace

bool duplicate_fits(const ModelWindow& window) {
    const Model& m = window.model;
    int elements = 0;
    for (int i = 1; i <= m.nobj; ++i) {
        if (m.objs[static_cast<std::size_t>(i)].selected != 0) ++elements;
    }
    int bonds = 0;
    for (int j = 1; j <= m.nlin; ++j) {
        const LineRecord& bond = m.lines[static_cast<std::size_t>(j)];
        if (bond.selected == 0 || !in_model(m, bond.obj1) || !in_model(m, bond.obj2)) continue;
        if (m.objs[static_cast<std::size_t>(bond.obj1)].selected != 0 &&
            m.objs[static_cast<std::size_t>(bond.obj2)].selected != 0) {
            ++bonds;
        }
    }
    return m.nobj + elements <= kMaxElements && m.nlin + bonds <= kMaxBonds;
}

void duplicar(ModelWindow& window, AppState& app) {
    Model& m = window.model;
    const int originals = m.nobj;
    window.objlink[0] = 0;
    int copies = 0;
    for (int i = 1; i <= originals; ++i) {
        auto& link = window.objlink[static_cast<std::size_t>(i)];
        if (m.objs[static_cast<std::size_t>(i)].selected == 0) {
            link = 0;
            continue;
        }
        const int c = originals + ++copies;
        link = static_cast<std::int16_t>(c);
        copy_element(window, app, i, c);
    }
    for (int c = originals + 1; c <= originals + copies; ++c) {
        ObjRecord& copy = m.objs[static_cast<std::size_t>(c)];
        copy.auxil2 = copy_of(window, copy.auxil2, originals);
        copy.index = copy_of(window, copy.index, originals);
    }
    m.nobj = static_cast<std::int16_t>(originals + copies);

    const int bonds = m.nlin;
    int copied = 0;
    for (int j = 1; j <= bonds; ++j) {
        if (!copied_bond(window, m.lines[static_cast<std::size_t>(j)], originals)) continue;
        copy_bond(window, app, j, bonds + ++copied, originals);
    }
    m.nlin = static_cast<std::int16_t>(bonds + copied);
}

}  // namespace vantor
