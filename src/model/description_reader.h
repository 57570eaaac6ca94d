#pragma once

#include <string>
#include <string_view>

#include "model/field_reader.h"

namespace vantor {

// Reads an element description file held in memory: plain text lines, no
// "=" keys. Fields split as in model files, 0x8D becomes CR, lines starting
// with "%" are comments wherever they stand, and reading past the end gives
// "end=" so that a short file still fills the dialog.
class DescriptionReader {
  public:
    explicit DescriptionReader(std::string_view bytes) : fields_(bytes) {}

    // The next line, blanks trimmed at both ends.
    std::string lectura();

  private:
    FieldReader fields_;
};

}  // namespace vantor
