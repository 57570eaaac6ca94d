#pragma once

// Why a generated file could not be read, with the line of the file it is
// about, so that generation can name the template that wrote that line.

#include <stdexcept>
#include <string>

namespace vantor::sim {

class ReadError : public std::runtime_error {
  public:
    ReadError(int line, const std::string& what) : std::runtime_error(what), line_(line) {}
    int line() const { return line_; }

  private:
    int line_;
};

// A file that is well formed but holds a value its format cannot take: a
// block placed outside the coordinates a .mdl file allows. No template
// fix of a single block mends it, so generation writes nothing.
class FormatLimitError : public ReadError {
  public:
    using ReadError::ReadError;
};

}  // namespace vantor::sim
