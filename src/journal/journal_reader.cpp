#include "journal/journal_reader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>

#include "editor/commands.h"
#include "journal/journal_text.h"
#include "journal/journal_words.h"
#include "model/file_reading.h"
#include "model/message_word.h"

namespace vantor {
namespace {

using journal_words::fail;
using journal_words::LineProblem;
using journal_words::split_words;
using journal_words::Word;

// Decimal: optional sign, digits, optional fraction. No exponent, no hex,
// no blanks: a journal number means one value only.
bool is_decimal(std::string_view s) {
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) s.remove_prefix(1);
    int digits = 0;
    bool point = false;
    for (char c : s) {
        if (c >= '0' && c <= '9') {
            ++digits;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digits > 0;
}

// The events' argument readers. `what` names the argument in messages.
class Arguments {
  public:
    Arguments(const std::vector<Word>& words) : words_(words) {}

    const std::string& event_name() const { return words_[0].text; }

    const Word& next(std::string_view what) {
        if (pos_ == words_.size()) {
            fail(event_name() + " needs " + std::string(what) + " (" + event_name() + " " + usage_ +
                 ")");
        }
        return words_[pos_++];
    }

    void set_usage(std::string usage) { usage_ = std::move(usage); }

    const std::string& bare(std::string_view what) {
        const Word& w = next(what);
        if (w.quoted) fail(std::string(what) + " must not stand in quotes");
        return w.text;
    }

    // A coordinate or size: the decimal read straight to the nearest single,
    // as the controls hold it.
    float single(std::string_view what) {
        const std::string& s = bare(what);
        if (!is_decimal(s))
            fail(std::string(what) + ": \"" + message_word(s) + "\" is not a number");
        const bool negative = s[0] == '-';
        const std::size_t body = s[0] == '+' || s[0] == '-' ? 1 : 0;
        float value = 0;
        const auto [end, ec] =
            std::from_chars(s.data() + body, s.data() + s.size(), value, std::chars_format::fixed);
        if (ec == std::errc::result_out_of_range) {
            // Too small a value rounds to zero; too large a one has no single.
            if (s.find_first_of("123456789") < s.find('.')) {
                fail(std::string(what) + ": " + message_word(s) + " is too large");
            }
            value = 0;
        } else if (ec != std::errc() || end != s.data() + s.size()) {
            fail(std::string(what) + ": \"" + message_word(s) + "\" is not a number");
        }
        return negative ? -value : value;
    }

    // A whole number within [low, high].
    int whole(std::string_view what, double low, double high) {
        const std::string& s = bare(what);
        if (!is_decimal(s))
            fail(std::string(what) + ": \"" + message_word(s) + "\" is not a number");
        double v = 0;
        const std::size_t body = s[0] == '+' || s[0] == '-' ? 1 : 0;
        // A number beyond any double is beyond every range too.
        if (std::from_chars(s.data() + body, s.data() + s.size(), v, std::chars_format::fixed).ec !=
            std::errc()) {
            v = HUGE_VAL;
        }
        if (s[0] == '-') v = -v;
        if (v != std::floor(v))
            fail(std::string(what) + ": " + message_word(s) + " is not a whole number");
        if (v < low || v > high) {
            char range[64];
            std::snprintf(range, sizeof range, "%.0f..%.0f", low, high);
            fail(std::string(what) + ": " + message_word(s) + " is outside " + range);
        }
        return static_cast<int>(v);
    }

    std::string text(std::string_view what) {
        const Word& w = next(what);
        if (!w.quoted) fail(std::string(what) + " must stand in double quotes");
        char32_t unmapped = 0;
        std::optional<std::string> bytes = utf8_to_cp1252_exact(w.text, &unmapped);
        if (!bytes) {
            fail("the text holds " + code_point_name(unmapped) +
                 ", which Windows-1252 has no byte for");
        }
        return std::move(*bytes);
    }

    void end() {
        if (pos_ < words_.size()) {
            const Word& w = words_[pos_];
            fail("unexpected " + std::string(w.quoted ? "text" : "word") + " \"" +
                 message_word(w.text) + "\" after " + event_name() +
                 (usage_.empty() ? "" : " " + usage_));
        }
    }

  private:
    const std::vector<Word>& words_;
    std::size_t pos_ = 1;
    std::string usage_;
};

constexpr double kWholeLimit = 2147483647.0;
constexpr std::string_view kDialogButtons[] = {"Apply", "Cancel", "Close", "closebox"};

template <std::size_t N>
bool listed(const std::string_view (&names)[N], std::string_view name) {
    for (std::string_view n : names) {
        if (n == name) return true;
    }
    return false;
}

void read_button_shift_xy(Arguments& a, EditorEvent& e) {
    e.button = a.whole("Button", 0, 7);
    e.shift = a.whole("Shift", 0, 7);
    e.x = a.single("X");
    e.y = a.single("Y");
}

EditorEvent parse_event(const std::vector<Word>& words) {
    if (words[0].quoted) fail("a line must begin with the name of an event");
    Arguments a(words);
    const std::string& name = words[0].text;
    EditorEvent e;
    auto kind = [&](EventKind k, std::string usage) {
        e.kind = k;
        a.set_usage(std::move(usage));
    };
    if (name == "resize") {
        kind(EventKind::kResize, "W H");
        e.x = a.single("W");
        e.y = a.single("H");
        if (e.x < 0 || e.y < 0) fail("resize: a size cannot be negative");
        e.x += 0.0f, e.y += 0.0f;  // no negative zero
    } else if (name == "hscroll" || name == "vscroll") {
        kind(name == "hscroll" ? EventKind::kHScroll : EventKind::kVScroll, "V");
        e.value = a.whole("V", 0, 20000);
    } else if (name == "drop") {
        kind(EventKind::kDrop, "LIBRARY ENTRY X Y");
        e.name = a.next("LIBRARY").text;
        // A palette is a file of the library folder: a bare file name.
        if (e.name.empty()) fail("drop: the library name is empty");
        if (e.name.find_first_of(std::string_view("/\0", 2)) != std::string::npos) {
            fail("drop: a library name cannot hold \"/\" or NUL");
        }
        e.value = a.whole("ENTRY", -kWholeLimit, kWholeLimit);
        e.x = a.single("X");
        e.y = a.single("Y");
    } else if (name == "form_mousemove" || name == "form_mouseup") {
        kind(name == "form_mousemove" ? EventKind::kFormMouseMove : EventKind::kFormMouseUp,
             "B S X Y");
        read_button_shift_xy(a, e);
    } else if (name == "form_dblclick") {
        kind(EventKind::kFormDblClick, "");
    } else if (name == "form_lostfocus") {
        kind(EventKind::kFormLostFocus, "");
    } else if (name == "image1_mousemove" || name == "image1_mouseup") {
        kind(name == "image1_mousemove" ? EventKind::kImageMouseMove : EventKind::kImageMouseUp,
             "I B S X Y");
        e.index = a.whole("I", -kWholeLimit, kWholeLimit);
        read_button_shift_xy(a, e);
    } else if (name == "image1_click" || name == "image1_dblclick") {
        kind(name == "image1_click" ? EventKind::kImageClick : EventKind::kImageDblClick, "I");
        e.index = a.whole("I", -kWholeLimit, kWholeLimit);
    } else if (name == "text1_change") {
        kind(EventKind::kText1Change, "\"TEXT\"");
        e.text = a.text("TEXT");
    } else if (name == "text1_lostfocus") {
        kind(EventKind::kText1LostFocus, "");
    } else if (name == "menu") {
        kind(EventKind::kMenu, "ITEM");
        e.name = a.bare("ITEM");
        // The words of the command table's journaled rows.
        if (find_command(e.name) == nullptr)
            fail("menu: unknown item \"" + message_word(e.name) + "\"");
    } else if (name == "dialog") {
        kind(EventKind::kDialog, "value1 \"TEXT\" | value2 \"TEXT\" | BUTTON");
        e.name = a.bare("a box or a button");
        if (e.name == "value1" || e.name == "value2") {
            a.set_usage(e.name + " \"TEXT\"");
            e.text = a.text("TEXT");
        } else if (!listed(kDialogButtons, e.name)) {
            fail("dialog: unknown box or button \"" + message_word(e.name) + "\"");
        }
    } else {
        fail("unknown event \"" + message_word(name) + "\"");
    }
    a.end();
    return e;
}

}  // namespace

JournalError::JournalError(std::string journal, int line, std::string problem)
    : std::runtime_error(journal + (line > 0 ? ": line " + std::to_string(line) : "") + ": " +
                         problem),
      journal_(std::move(journal)),
      line_(line),
      problem_(std::move(problem)) {}

std::optional<int> window_comment_number(std::string_view line) {
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos || line[first] != '#') return std::nullopt;
    line.remove_prefix(first + 1);
    line.remove_prefix(std::min(line.find_first_not_of(" \t"), line.size()));
    constexpr std::string_view kWord = "window ";
    if (line.substr(0, kWord.size()) != kWord) return std::nullopt;
    line.remove_prefix(kWord.size());
    int number = 0;
    const auto [end, ec] = std::from_chars(line.data(), line.data() + line.size(), number);
    if (ec != std::errc() || end == line.data() || end == line.data() + line.size() ||
        *end != ':' || number < 1) {
        return std::nullopt;
    }
    return number;
}

Journal parse_journal(std::string_view text, const std::string& name, int window) {
    Journal journal{name, {}};
    // A byte-order mark, as some editors write one, is not part of line 1.
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    int number = 0;
    bool window_found = false;
    bool in_window = window <= 0;
    while (!text.empty()) {
        ++number;
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (window > 0) {
            if (const std::optional<int> marked = window_comment_number(line)) {
                in_window = *marked == window;
                window_found = window_found || in_window;
                continue;
            }
            // Another window's lines are not this replay's to read.
            if (!in_window) continue;
        }
        try {
            if (!is_utf8(line)) fail("the line is not UTF-8 text");
            const std::size_t first = line.find_first_not_of(" \t");
            if (first == std::string_view::npos || line[first] == '#') continue;
            journal.entries.push_back({number, parse_event(split_words(line))});
        } catch (const LineProblem& p) {
            throw JournalError(name, number, p.text);
        }
    }
    if (window > 0 && !window_found) {
        throw JournalError(name, 0, "the journal has no window " + std::to_string(window));
    }
    return journal;
}

Journal read_journal_file(const std::string& path, int window) {
    return parse_journal(read_whole_file(path, kModelFileLimit), path, window);
}

}  // namespace vantor
