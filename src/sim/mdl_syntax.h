#pragma once

// The syntax of a .mdl file: nested "Key value" entries and "Key { }" sections.

#include <string>
#include <string_view>
#include <vector>

namespace vantor::sim::mdl {

// A parameter's value: a text, or the numbers of a vector.
struct Value {
    bool is_vector = false;
    std::string text;
    std::vector<std::string> numbers;
    int line = 1;
};

// One "Key value" entry or "Key { ... }" section.
struct Entry {
    std::string key;
    int line = 1;
    Value value;
    std::vector<Entry> section;
    bool is_section = false;
};

// Throws the ReadError of line `line` of the file.
[[noreturn]] void fail_at(int line, const std::string& what);

// The file's one Model section, its entries in file order.
Entry parse_mdl(std::string_view text);

}  // namespace vantor::sim::mdl
