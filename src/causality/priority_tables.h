#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

// The file of priority table k (1..5): program_dir/library/priori<k>.dat.
std::string priority_table_path(const std::string& program_dir, int k);

struct PriorityTable {
    std::vector<std::string> items;
    bool ended = false;  // an item "end" closed it, rather than the end of the text
    std::string path;    // the file it came from, which its messages name
    std::string error;   // why the file could not be read; empty when it was
};

// The five tables of one command, table k at table(k). A command reads them
// when it begins, so a table edited between two commands is seen; a table that
// could not be read is reported only when its pass comes.
struct PriorityTables {
    std::array<PriorityTable, 5> tables;

    const PriorityTable& table(int k) const { return tables.at(static_cast<std::size_t>(k - 1)); }
    PriorityTable& table(int k) { return tables.at(static_cast<std::size_t>(k - 1)); }
};

// The items of a table's text, in order, each trimmed, up to and including an
// item "end" or to the end of the text. An item matches an element whose
// 3-byte type equals it exactly, so "C" never matches "C  ".
PriorityTable parse_priority_table(std::string_view bytes);

// Priority table k of the program folder. Throws FileError when the file
// cannot be read.
PriorityTable load_priority_table(const std::string& program_dir, int k);

// The five tables of the program folder; one that cannot be read holds the
// error instead of throwing it.
PriorityTables read_priority_tables(const std::string& program_dir);

// The warning for a table that has no "end": likely cut short or mistyped.
std::string missing_end_warning(const PriorityTable& table);

// The items of priority table k, as load_priority_table reads them.
std::vector<std::string> read_priority_table(const std::string& program_dir, int k);

}  // namespace vantor
