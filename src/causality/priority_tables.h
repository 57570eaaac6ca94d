#pragma once

#include <string>
#include <vector>

namespace vantor {

// The file of priority table k (1..5): program_dir/library/priori<k>.dat.
std::string priority_table_path(const std::string& program_dir, int k);

// The items of priority table k, in file order, each trimmed, up to and
// including an item "end" or to the end of the file. An item matches an
// element whose 3-byte type equals it exactly, so "C" never matches "C  ".
// Throws FileError when the file cannot be read.
std::vector<std::string> read_priority_table(const std::string& program_dir, int k);

}  // namespace vantor
