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

// A "con" whose `auxil2` names an element that is not a "con": a port of that
// block. One whose `auxil2` names another "con" is a connection point. An
// owner outside the model makes neither.
inline bool is_port(const Model& m, int i) {
    const ObjRecord& o = m.objs[static_cast<std::size_t>(i)];
    return is_con(o) && in_model(m, o.auxil2) &&
           !is_con(m.objs[static_cast<std::size_t>(o.auxil2)]);
}
// As the editor tells them apart: any "con" with `signout` 0 is an input port.
inline bool is_input_port(const Model& m, int i) {
    const ObjRecord& o = m.objs[static_cast<std::size_t>(i)];
    return is_con(o) && o.signout == 0;
}
inline bool is_output_port(const Model& m, int i) {
    return is_port(m, i) && m.objs[static_cast<std::size_t>(i)].signout == -1;
}
inline bool is_connection_point(const Model& m, int i) {
    const ObjRecord& o = m.objs[static_cast<std::size_t>(i)];
    return is_con(o) && in_model(m, o.auxil2) && is_con(m.objs[static_cast<std::size_t>(o.auxil2)]);
}

}  // namespace vantor
