#pragma once

#include <cstdint>
#include <stdexcept>

namespace vantor {

// A value that a handler stores into a 16-bit record field but that does not
// fit. The handler stops there; whoever drives the handlers (the journal
// replay, the GUI) decides what to do with the window.
class Int16Overflow : public std::range_error {
  public:
    explicit Int16Overflow(double value);
    double value() const { return value_; }

  private:
    double value_;
};

// The value as a 16-bit field stores it: rounded half to even. Throws
// Int16Overflow when the rounded value lies outside -32768..32767.
std::int16_t store_int16(double value);

}  // namespace vantor
