#include "display/stored_int16.h"

#include <string>

#include "model/numeric_prefix.h"

namespace vantor {

Int16Overflow::Int16Overflow(double value)
    : std::range_error("value " + std::to_string(value) + " overflows a 16-bit field"),
      value_(value) {}

std::int16_t store_int16(double value) {
    if (const auto stored = to_int16(value)) return *stored;
    throw Int16Overflow(value);
}

}  // namespace vantor
