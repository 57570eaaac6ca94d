#pragma once

#include <cstdint>
#include <stdexcept>

namespace vantor {

// A handler stored a value into a 16-bit record field that does not fit it.
// Nothing sensible can follow, so the gesture stops here: a replay stops with
// it, the editor reports it.
class FieldOverflow : public std::overflow_error {
  public:
    FieldOverflow() : std::overflow_error("Overflow") {}
};

// `value` rounded half to even, as a record field holds it; throws
// FieldOverflow outside -32768..32767.
std::int16_t to_field(double value);

}  // namespace vantor
