#include "display/bond_geometry.h"
#include "display/redraw_passes.h"
#include "model/element_kinds.h"
#include "window/selection.h"

namespace vantor {

namespace {

GlyphBox box_of(const ModelWindow& window, int i) {
    const auto k = static_cast<std::size_t>(i);
    const ObjRecord& o = window.model.objs[k];
    const Glyph& g = window.image1[k];
    return {static_cast<double>(o.left), static_cast<double>(o.top), g.width, g.height};
}

void put(LineControl& control, const Segment& s) {
    control.x1 = s.x1;
    control.y1 = s.y1;
    control.x2 = s.x2;
    control.y2 = s.y2;
}

Segment segment_of(const LineControl& control) {
    return {control.x1, control.y1, control.x2, control.y2};
}

bool touches_selection(const Model& m, const LineRecord& bond) {
    return m.objs[static_cast<std::size_t>(bond.obj1)].selected != 0 ||
           m.objs[static_cast<std::size_t>(bond.obj2)].selected != 0 || bond.selected != 0;
}

void redraw_bond(ModelWindow& window, AppState& app, RedrawScope scope, int j) {
    const auto k = static_cast<std::size_t>(j);
    const LineRecord& bond = window.model.lines[k];
    const int causa = bond.causa;
    LineControl& line = window.linea[k];
    LineControl& barb = window.linea2[k];
    LineControl& stroke = window.Linea3[k];
    const bool full = scope == RedrawScope::kFull;

    line.width = 2;
    put(line,
        bond_line(box_of(window, bond.obj1), box_of(window, bond.obj2), causa == kSignalLink));
    const Segment drawn = segment_of(line);
    const BondDirection direction = bond_direction(drawn);
    put(barb, barb_segment(drawn, direction));

    if (has_stroke(causa)) {
        put(stroke, stroke_segment(drawn, direction, causa));
        stroke.visible = true;
        if (full) barb.visible = true;
    } else {
        stroke.visible = false;
    }

    if (causa == kSignalLink) {
        barb.visible = false;
        line.width = 1;
    } else if (full) {
        barb.visible = true;
    }

    if (bond.selected == kTrue) {
        line.color = barb.color = stroke.color = app.colsel;
        habilita(window);
    } else {
        line.color = barb.color = stroke.color = app.colnorm;
    }
}

}  // namespace

void redraw_bonds(ModelWindow& window, AppState& app, RedrawScope scope) {
    const Model& m = window.model;
    for (int j = 1; j <= m.nlin; ++j) {
        const LineRecord& bond = m.lines[static_cast<std::size_t>(j)];
        // A bond read from a file may name elements that do not exist.
        if (!in_model(m, bond.obj1) || !in_model(m, bond.obj2)) continue;
        if (scope == RedrawScope::kSelection && !touches_selection(m, bond)) continue;
        redraw_bond(window, app, scope, j);
    }
}

}  // namespace vantor
