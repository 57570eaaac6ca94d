#include "editor/field_overflow.h"

#include "model/numeric_prefix.h"

namespace vantor {

std::int16_t to_field(double value) {
    const auto stored = to_int16(value);
    if (!stored) throw FieldOverflow();
    return *stored;
}

}  // namespace vantor
