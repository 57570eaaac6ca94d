#include "app/keys_table.h"

#include "app/main_commands.h"
#include "editor/commands.h"
#include "equations/html_printer.h"

namespace vantor {
namespace {

// A caption as it reads: "&&" is "&", a lone "&" marks the accelerator.
std::string plain(std::string_view caption) {
    std::string text;
    for (std::size_t k = 0; k < caption.size(); ++k) {
        if (caption[k] == '&' && k + 1 < caption.size()) ++k;
        text += caption[k];
    }
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

std::string key_list(std::string_view keys) {
    std::string text(keys);
    for (std::size_t at = text.find("; "); at != std::string::npos; at = text.find("; ", at)) {
        text.replace(at, 2, ", ");
    }
    return text;
}

std::string menu_path(MenuId id) {
    const MenuInfo& menu = menu_info(id);
    const std::string caption = plain(menu.caption);
    return menu.submenu ? menu_path(menu.parent) + " > " + caption : caption;
}

}  // namespace

std::vector<KeyRow> key_rows() {
    std::vector<KeyRow> rows;
    for (const Command& row : commands()) {
        if (row.keys.empty()) continue;
        // The Help menu is the same in the main window.
        const char* where = row.menu == MenuId::kHelp ? "main and model windows" : "model window";
        rows.push_back(
            {key_list(row.keys), menu_path(row.menu) + " > " + plain(row.caption), where});
    }
    for (const MainCommand& row : main_commands()) {
        if (row.keys.empty() || !row.enabled) continue;
        rows.push_back({key_list(row.keys), plain(row.menu) + " > " + plain(row.caption),
                        row.everywhere ? "every window" : "main window"});
    }
    rows.push_back({"Escape",
                    "ends the gesture under way, as leaving the window does; closes a dialog",
                    "model window, dialogs"});
    return rows;
}

std::string keys_markdown() {
    std::string text = "| Key | Command | Where |\n|---|---|---|\n";
    for (const KeyRow& row : key_rows()) {
        text += "| " + row.keys + " | " + row.command + " | " + row.where + " |\n";
    }
    return text;
}

std::string keys_html() {
    std::string text =
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n"
        "<tr><th>Key</th><th>Command</th><th>Where</th></tr>\n";
    for (const KeyRow& row : key_rows()) {
        text += "<tr><td>" + equations::html_escaped(row.keys) + "</td><td>" +
                equations::html_escaped(row.command) + "</td><td>" +
                equations::html_escaped(row.where) + "</td></tr>\n";
    }
    return text + "</table>\n";
}

std::optional<std::string> with_keys_table(std::string_view text, std::string_view table) {
    const std::size_t begin = text.find(kKeysBegin);
    if (begin == std::string_view::npos) return std::nullopt;
    const std::size_t line_end = text.find('\n', begin);
    const std::size_t end = text.find(kKeysEnd, begin);
    if (line_end == std::string_view::npos || end == std::string_view::npos || end < line_end)
        return std::nullopt;
    std::string out(text.substr(0, line_end + 1));
    out += table;
    out += text.substr(end);
    return out;
}

}  // namespace vantor
