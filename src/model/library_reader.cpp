#include "model/library_reader.h"

#include "model/file_error.h"
#include "model/file_reading.h"
#include "model/logical_line_reader.h"
#include "model/model_reader.h"

namespace vantor {

std::vector<ObjRecord> read_library(const std::string& path) {
    const std::string bytes = read_whole_file(path, kSupportFileLimit);
    LogicalLineReader in(bytes, false);
    std::vector<ObjRecord> entries;
    // The file's end stops the reading wherever it comes, even inside a block.
    for (;;) {
        const std::string line = in.lectura();
        const KeyValue kv = split_key_value_skipping_one(line);
        if (kv.key == "add_obj") {
            if (entries.size() == kPaletteEntries) {
                throw FileError(path, in.line(), "the library has more than 100 entries");
            }
            entries.push_back(leerobj(in, path, BlockDialect::kPalette));
        }
        if (kv.key == "end_sys" || in.at_end()) break;
    }
    return entries;
}

}  // namespace vantor
