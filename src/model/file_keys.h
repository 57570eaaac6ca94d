#pragma once

#include <cstdint>
#include <string_view>

#include "model/records.h"

namespace vantor {

// The lines of an element block, in the order the writer puts them. The reader
// matches the same keys in any order and case.
struct ElementKey {
    enum class Kind { Type, Text, Caption, Number };
    std::string_view key;
    Kind kind;
    ValueText ObjRecord::*text = nullptr;       // Text and Caption
    std::int16_t ObjRecord::*number = nullptr;  // Number
};

inline constexpr ElementKey kElementKeys[] = {
    {"type", ElementKey::Kind::Type},
    {"parameters", ElementKey::Kind::Text, &ObjRecord::parameters},
    {"maxlin", ElementKey::Kind::Number, nullptr, &ObjRecord::maxlin},
    {"numlin", ElementKey::Kind::Number, nullptr, &ObjRecord::numlin},
    {"caption", ElementKey::Kind::Caption, &ObjRecord::caption},
    {"top", ElementKey::Kind::Number, nullptr, &ObjRecord::top},
    {"left", ElementKey::Kind::Number, nullptr, &ObjRecord::left},
    {"parameter2", ElementKey::Kind::Text, &ObjRecord::parameter2},
    {"index", ElementKey::Kind::Number, nullptr, &ObjRecord::index},
    {"maxsigninp", ElementKey::Kind::Number, nullptr, &ObjRecord::maxsigninp},
    {"signout", ElementKey::Kind::Number, nullptr, &ObjRecord::signout},
    {"auxil1", ElementKey::Kind::Number, nullptr, &ObjRecord::auxil1},
    {"auxil2", ElementKey::Kind::Number, nullptr, &ObjRecord::auxil2},
    {"auxil3", ElementKey::Kind::Number, nullptr, &ObjRecord::auxil3},
};

struct BondKey {
    std::string_view key;
    std::int16_t LineRecord::*number;
};

inline constexpr BondKey kBondKeys[] = {
    {"causa", &LineRecord::causa},
    {"obj1", &LineRecord::obj1},
    {"obj2", &LineRecord::obj2},
};

}  // namespace vantor
