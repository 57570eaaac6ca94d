#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The keyboard table of the manual and the README, made from the two
// command tables so that it names exactly the keys the menus have.
namespace vantor {

struct KeyRow {
    std::string keys;     // "Ctrl+Y, Ctrl+Shift+Z"
    std::string command;  // "Edit > Redo", without the accelerator marks
    std::string where;    // the windows the keys work in
};

// Every command with keys, the model window's in menu order, then the main
// window's; then Escape, which no menu names.
std::vector<KeyRow> key_rows();

std::string keys_markdown();
std::string keys_html();

inline constexpr std::string_view kKeysBegin = "<!-- keys:begin -->";
inline constexpr std::string_view kKeysEnd = "<!-- keys:end -->";

// `text` with `table` between its marker lines in place of what stood
// there; nothing when the markers are missing or out of order.
std::optional<std::string> with_keys_table(std::string_view text, std::string_view table);

}  // namespace vantor
