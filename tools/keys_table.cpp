// vantor-keys-table MARKDOWN MANUAL_IN MANUAL_OUT: writes the keyboard table
// of the command tables to MARKDOWN, and MANUAL_IN with the table between
// its markers to MANUAL_OUT. The build lays the manual beside the programs
// this way, so its table never falls behind the menus.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "app/keys_table.h"

namespace {

bool write(const char* path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    return static_cast<bool>(out.flush());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fputs("usage: vantor-keys-table MARKDOWN MANUAL_IN MANUAL_OUT\n", stderr);
        return 2;
    }
    std::ifstream in(argv[2], std::ios::binary);
    const std::string manual((std::istreambuf_iterator<char>(in)),
                             std::istreambuf_iterator<char>());
    const auto filled = vantor::with_keys_table(manual, vantor::keys_html());
    if (!in.good() && !in.eof()) {
        std::fprintf(stderr, "vantor-keys-table: %s cannot be read\n", argv[2]);
        return 1;
    }
    if (!filled) {
        std::fprintf(stderr, "vantor-keys-table: %s has no keys markers\n", argv[2]);
        return 1;
    }
    if (!write(argv[1], vantor::keys_markdown()) || !write(argv[3], *filled)) {
        std::fputs("vantor-keys-table: the output cannot be written\n", stderr);
        return 1;
    }
    return 0;
}
