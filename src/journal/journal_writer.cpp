#include "journal/journal_writer.h"

#include <charconv>
#include <cstdio>

#include "model/cp1252.h"

namespace vantor {
namespace {

std::string quoted(std::string_view utf8) {
    std::string out = "\"";
    for (char c : utf8) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '"':
                out += "\\\"";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                out += c;
        }
    }
    return out + "\"";
}

// A library name stays bare when it reads back as one word.
std::string library_word(const std::string& name) {
    const bool bare =
        !name.empty() && name[0] != '#' && name.find_first_of(" \t\"\\\r\n") == std::string::npos;
    return bare ? name : quoted(name);
}

const char* kind_name(EventKind kind) {
    switch (kind) {
        case EventKind::kResize:
            return "resize";
        case EventKind::kHScroll:
            return "hscroll";
        case EventKind::kVScroll:
            return "vscroll";
        case EventKind::kDrop:
            return "drop";
        case EventKind::kFormMouseMove:
            return "form_mousemove";
        case EventKind::kFormMouseUp:
            return "form_mouseup";
        case EventKind::kFormDblClick:
            return "form_dblclick";
        case EventKind::kFormLostFocus:
            return "form_lostfocus";
        case EventKind::kImageMouseMove:
            return "image1_mousemove";
        case EventKind::kImageMouseUp:
            return "image1_mouseup";
        case EventKind::kImageClick:
            return "image1_click";
        case EventKind::kImageDblClick:
            return "image1_dblclick";
        case EventKind::kText1Change:
            return "text1_change";
        case EventKind::kText1LostFocus:
            return "text1_lostfocus";
        case EventKind::kMenu:
            return "menu";
        case EventKind::kDialog:
            return "dialog";
    }
    return "?";
}

}  // namespace

std::string journal_number(float value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    if (std::string_view(text).find('e') == std::string_view::npos) return text;
    // Journals hold no exponents. The largest single has 39 digits.
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    return std::string(text, result.ptr);
}

std::string format_journal_line(const EditorEvent& e) {
    std::string line = kind_name(e.kind);
    auto add = [&line](const std::string& word) { line += ' ' + word; };
    auto add_int = [&](int v) { add(std::to_string(v)); };
    auto add_pointer = [&] {
        add_int(e.button);
        add_int(e.shift);
        add(journal_number(e.x));
        add(journal_number(e.y));
    };
    switch (e.kind) {
        case EventKind::kResize:
            add(journal_number(e.x));
            add(journal_number(e.y));
            break;
        case EventKind::kHScroll:
        case EventKind::kVScroll:
            add_int(e.value);
            break;
        case EventKind::kDrop:
            add(library_word(e.name));
            add_int(e.value);
            add(journal_number(e.x));
            add(journal_number(e.y));
            break;
        case EventKind::kFormMouseMove:
        case EventKind::kFormMouseUp:
            add_pointer();
            break;
        case EventKind::kImageMouseMove:
        case EventKind::kImageMouseUp:
            add_int(e.index);
            add_pointer();
            break;
        case EventKind::kImageClick:
        case EventKind::kImageDblClick:
            add_int(e.index);
            break;
        case EventKind::kText1Change:
            add(quoted(cp1252_to_utf8(e.text)));
            break;
        case EventKind::kMenu:
            add(e.name);
            break;
        case EventKind::kDialog:
            add(e.name);
            if (e.name == "value1" || e.name == "value2") add(quoted(cp1252_to_utf8(e.text)));
            break;
        case EventKind::kFormDblClick:
        case EventKind::kFormLostFocus:
        case EventKind::kText1LostFocus:
            break;
    }
    return line;
}

std::string format_journal_comment(std::string_view text) {
    std::string line = "# ";
    for (char c : text) line += c == '\r' || c == '\n' ? ' ' : c;
    return line;
}

}  // namespace vantor
