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

// Whether `i` names an element of the model. A bond read from a file may name
// any number; ends outside 1..nobj belong to no element.
inline bool in_model(const Model& m, int i) {
    return i >= 1 && i <= m.nobj;
}

}  // namespace vantor
