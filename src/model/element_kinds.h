#pragma once

#include "model/model.h"

namespace vantor {

// Element kinds the program itself recognises, by the whole 3-byte type.
inline bool is_zero_junction(const ObjRecord& o) {
    return o.type == "000";
}
inline bool is_one_junction(const ObjRecord& o) {
    return o.type == "111";
}
inline bool is_junction(const ObjRecord& o) {
    return is_zero_junction(o) || is_one_junction(o);
}
inline bool is_transformer(const ObjRecord& o) {
    return o.type == "TRF" || o.type == "MTF";
}
inline bool is_gyrator(const ObjRecord& o) {
    return o.type == "GYR" || o.type == "MGY";
}

inline bool is_text_note(const ObjRecord& o) {
    return o.type == "Tex";
}
// Ports and connection points are both "con" elements.
inline bool is_con(const ObjRecord& o) {
    return o.type == "con";
}
// A signal block carries ports: a non-"con" element with signal inputs or outputs.
inline bool is_signal_block(const ObjRecord& o) {
    return !is_con(o) && o.maxsigninp + o.signout > 0;
}

// Whether `i` names an element of the model. A bond read from a file may name
// any number; ends outside 1..nobj belong to no element.
inline bool in_model(const Model& m, int i) {
    return i >= 1 && i <= m.nobj;
}

// Whether `i` is a slot of the element table. A number read from a file that
// is not one names nothing, and every kind below answers false for it.
inline bool in_table(int i) {
    return i >= 0 && i <= kMaxElements;
}
inline bool is_con_at(const Model& m, int i) {
    return in_table(i) && is_con(m.objs[static_cast<std::size_t>(i)]);
}

// A "con" whose `auxil2` names another "con" of the model is a connection
// point.
inline bool is_connection_point(const Model& m, int i) {
    return is_con_at(m, i) && in_model(m, m.objs[static_cast<std::size_t>(i)].auxil2) &&
           is_con(m.objs[static_cast<std::size_t>(m.objs[static_cast<std::size_t>(i)].auxil2)]);
}
// Any other "con" is a port: of the block its `auxil2` names, or of no block
// when that lies outside the model (a point pasted without its chain).
inline bool is_port(const Model& m, int i) {
    return is_con_at(m, i) && !is_connection_point(m, i);
}
// A port whose block is an element of the model: the redraw places it.
inline bool is_block_port(const Model& m, int i) {
    return is_port(m, i) && in_model(m, m.objs[static_cast<std::size_t>(i)].auxil2);
}
// As the editor tells them apart: any "con" with `signout` 0 is an input port.
inline bool is_input_port(const Model& m, int i) {
    return is_con_at(m, i) && m.objs[static_cast<std::size_t>(i)].signout == 0;
}
inline bool is_output_port(const Model& m, int i) {
    return is_port(m, i) && m.objs[static_cast<std::size_t>(i)].signout == -1;
}

}  // namespace vantor
