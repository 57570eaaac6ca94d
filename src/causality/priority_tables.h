#pragma once

#include <string>
#include <vector>

namespace vantor {

// The file of priority table k (1..5): program_dir/library/priori<k>.dat.
std::string priority_table_path(const std::string& program_dir, int k);

struct PriorityTable {
    std::vector<std::string> items;
    bool ended = false;  // an item "end" closed it, rather than the end of the file
};

// Priority table k as read_priority_table reads it, telling whether it ended.
PriorityTable load_priority_table(const std::string& program_dir, int k);

// The warning for a table that has no "end": likely cut short or mistyped.
std::string missing_end_warning(const std::string& program_dir, int k);

// The items of priority table k, in file order, each trimmed, up to and
// including an item "end" or to the end of the file. An item matches an
// element whose 3-byte type equals it exactly, so "C" never matches "C  ".
// Throws FileError when the file cannot be read.
std::vector<std::string> read_priority_table(const std::string& program_dir, int k);

}  // namespace vantor
