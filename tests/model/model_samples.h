#pragma once

#include <string>

#include "model/model.h"

namespace vantor::test {

// An element whose text fields were all assigned, as the editor makes them.
inline ObjRecord element(std::string_view type, std::string_view caption, int top, int left,
                         int maxlin) {
    ObjRecord obj{};
    obj.type = type;
    obj.parameters = "";
    obj.caption = caption;
    obj.parameter2 = "";
    obj.top = static_cast<std::int16_t>(top);
    obj.left = static_cast<std::int16_t>(left);
    obj.maxlin = static_cast<std::int16_t>(maxlin);
    return obj;
}

inline LineRecord bond(int causa, int obj1, int obj2) {
    LineRecord line{};
    line.causa = static_cast<std::int16_t>(causa);
    line.obj1 = static_cast<std::int16_t>(obj1);
    line.obj2 = static_cast<std::int16_t>(obj2);
    return line;
}

// A 0-junction and a 1-junction joined by one bond without causality.
inline Model two_junctions() {
    Model m;
    m.objs[1] = element("000", "0", 600, 1200, 10);
    m.objs[2] = element("111", "1", 600, 2400, 10);
    m.objs[1].numlin = 1;
    m.objs[2].numlin = 1;
    m.lines[1] = bond(0, 1, 2);
    m.nobj = 2;
    m.nlin = 1;
    return m;
}

// The file text of two_junctions(), line by line as the format defines it.
inline std::string two_junctions_text() {
    const std::string blanks100(100, ' ');
    const std::string blanks99(99, ' ');
    auto block = [&](const char* type, const char* caption, const char* left) {
        return std::string("add_obj\r\n") + "type = " + type + "\r\n" +
               "parameters = " + blanks100 + "\r\n" + "maxlin =  10\r\n" + "numlin =  1\r\n" +
               "caption = " + caption + blanks99 + "\r\n" + "top =  600\r\n" + "left =  " + left +
               "\r\n" + "parameter2 = " + blanks100 + "\r\n" + "index =  0\r\n" +
               "maxsigninp =  0\r\n" + "signout =  0\r\n" + "auxil1 =  0\r\n" + "auxil2 =  0\r\n" +
               "auxil3 =  0\r\n" + "end\r\n";
    };
    return block("000", "0", "1200") + block("111", "1", "2400") + " 1 \r\n" + "add_line\r\n" +
           "causa =  0\r\n" + "obj1 =  1\r\n" + "obj2 =  2\r\n" + "end\r\n" + "end_sys\r\n";
}

// Compares the records of two models up to their counts.
inline bool same_records(const Model& a, const Model& b) {
    if (a.nobj != b.nobj || a.nlin != b.nlin) return false;
    for (int i = 1; i <= a.nobj; ++i) {
        if (!(a.objs[i] == b.objs[i])) return false;
    }
    for (int j = 1; j <= a.nlin; ++j) {
        if (!(a.lines[j] == b.lines[j])) return false;
    }
    return true;
}

}  // namespace vantor::test
