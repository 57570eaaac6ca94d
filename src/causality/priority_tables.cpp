#include "causality/priority_tables.h"

#include "model/field_reader.h"
#include "model/file_error.h"
#include "model/file_reading.h"
#include "model/text.h"

namespace vantor {

std::string priority_table_path(const std::string& program_dir, int k) {
    return program_dir + "/library/priori" + std::to_string(k) + ".dat";
}

PriorityTable parse_priority_table(std::string_view bytes) {
    FieldReader fields(bytes);
    PriorityTable table;
    // An empty text has no items (reading past its end would be an error).
    while (!fields.at_end()) {
        table.items.emplace_back(trim_blanks(fields.next()));
        if (table.items.back() == "end") {
            table.ended = true;
            break;
        }
    }
    return table;
}

PriorityTable load_priority_table(const std::string& program_dir, int k) {
    const std::string path = priority_table_path(program_dir, k);
    PriorityTable table = parse_priority_table(read_whole_file(path, kSupportFileLimit));
    table.path = path;
    return table;
}

PriorityTables read_priority_tables(const std::string& program_dir) {
    PriorityTables tables;
    for (int k = 1; k <= 5; ++k) {
        PriorityTable& table = tables.table(k);
        try {
            table = load_priority_table(program_dir, k);
        } catch (const FileError& e) {
            table.path = priority_table_path(program_dir, k);
            table.error = e.what();
        }
    }
    return tables;
}

std::string missing_end_warning(const PriorityTable& table) {
    return "Priority table " + table.path + " has no end line; it was read to the end of the file";
}

std::vector<std::string> read_priority_table(const std::string& program_dir, int k) {
    return load_priority_table(program_dir, k).items;
}

}  // namespace vantor
