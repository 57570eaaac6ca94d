#pragma once

#include <string>
#include <vector>

#include "model/records.h"

namespace vantor {

// A palette shows at most this many entries of its library.
inline constexpr int kPaletteEntries = 100;

// The entries of a library file read as a palette reads it: values are taken
// after skipping one character after "=", only the values of the three text
// fields turn 0x8D into CR, and bond blocks are skipped. Reading stops at the
// end of the file wherever it is cut. Throws FileError for a file that cannot
// be read, more than 100 entries or a number outside 16 bits.
std::vector<ObjRecord> read_library(const std::string& path);

}  // namespace vantor
