#include "causality/priority_tables.h"

#include "model/field_reader.h"
#include "model/file_reading.h"
#include "model/text.h"

namespace vantor {

std::string priority_table_path(const std::string& program_dir, int k) {
    return program_dir + "/library/priori" + std::to_string(k) + ".dat";
}

PriorityTable load_priority_table(const std::string& program_dir, int k) {
    const std::string bytes =
        read_whole_file(priority_table_path(program_dir, k), kSupportFileLimit);
    FieldReader fields(bytes);
    PriorityTable table;
    // An empty file has no items (reading past its end would be an error).
    while (!fields.at_end()) {
        table.items.emplace_back(trim_blanks(fields.next()));
        if (table.items.back() == "end") {
            table.ended = true;
            break;
        }
    }
    return table;
}

std::string missing_end_warning(const std::string& program_dir, int k) {
    return "Priority table " + priority_table_path(program_dir, k) +
           " has no end line; it was read to the end of the file";
}

std::vector<std::string> read_priority_table(const std::string& program_dir, int k) {
    return load_priority_table(program_dir, k).items;
}

}  // namespace vantor
