// Random and damaged journals on damaged models, replayed in-process as
// `vantor-cli edit` replays them. Each must run to its end or stop with a
// JournalError, never crash or trip a sanitizer; a model that a finished
// replay would save must read back. The seed is fixed, so a failure repeats:
// VANTOR_FUZZ_CASE=N replays case N alone and prints its lines.
// Most lines are drawn from the window as it stands, so that they reach the
// handlers; a few name what is not there, or are damaged, and stop.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "display/stored_int16.h"
#include "display/window_load.h"
#include "journal/journal_reader.h"
#include "journal/journal_writer.h"
#include "journal/replay.h"
#include "journal/state_file.h"
#include "model/file_error.h"
#include "model/model_reader.h"
#include "model/model_writer.h"
#include "simulink/generate.h"

namespace vantor {
namespace {

const std::string kData = VANTOR_DATA_DIR;
constexpr int kCases = 2400;
constexpr std::uint64_t kSeed = 0x5eed'2026'0020ULL;

// splitmix64: the same numbers on every platform and library.
class Random {
  public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    int below(int n) { return n <= 0 ? 0 : static_cast<int>(next() % static_cast<unsigned>(n)); }
    std::size_t at(const std::string& s) {
        return static_cast<std::size_t>(below(static_cast<int>(s.size())));
    }
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    bool percent(int p) { return below(100) < p; }
    template <typename T, std::size_t N>
    const T& pick(const T (&values)[N]) {
        return values[static_cast<std::size_t>(below(static_cast<int>(N)))];
    }

  private:
    std::uint64_t state_;
};

struct QuietHost : EditorHost {
    void show_message(const std::string&) override {}
};

// References that name no element, and numbers at the ends of 16 bits.
std::int16_t outside_reference(Random& r, int nobj) {
    const int values[] = {-32768, 32767, 0, -1, 1000, 1001, nobj + 1, nobj};
    return static_cast<std::int16_t>(r.pick(values));
}
std::int16_t odd_number(Random& r) {
    const int values[] = {-32768, 32767, -1, -2, 0, 1, 3, 1000, 1001, 30000, -30000};
    return static_cast<std::int16_t>(r.pick(values));
}

// Text as a file's field may hold it, or, `typed`, as a person may type it.
std::string odd_text(Random& r, int length, bool typed = false) {
    const char read[] = {'\0', ' ', '=', '%', 'x', '\x95', '\x81', '\xff', '\x8d'};
    const char keys[] = {' ', '\r', '\n', ',', '"', '=', '%', 'x', '\x95', '\x81', '\xff', '\t'};
    std::string text;
    for (int i = 0; i < length; ++i) text += typed ? r.pick(keys) : r.pick(read);
    return text;
}

// One damage to one record of the model, of the kinds a damaged file holds.
void damage_record(Model& m, Random& r) {
    using Field = std::int16_t ObjRecord::*;
    if (m.nlin > 0 && r.percent(35)) {
        LineRecord& bond = m.lines[static_cast<std::size_t>(r.between(1, m.nlin))];
        std::int16_t* const fields[] = {&bond.obj1, &bond.obj2, &bond.causa};
        *r.pick(fields) = r.percent(30) ? odd_number(r) : outside_reference(r, m.nobj);
        if (r.percent(25)) bond.causa = kSignalLink;
        return;
    }
    if (m.nobj == 0) return;
    ObjRecord& o = m.objs[static_cast<std::size_t>(r.between(1, m.nobj))];
    const Field references[] = {&ObjRecord::auxil2, &ObjRecord::index};
    // clang-format off
    const Field numbers[] = {&ObjRecord::numlin, &ObjRecord::maxlin, &ObjRecord::maxsigninp, &ObjRecord::signout,
        &ObjRecord::auxil1, &ObjRecord::auxil3, &ObjRecord::top, &ObjRecord::left, &ObjRecord::selected};
    const char* const types[] = {"con", "sum", "mux", "dem", "Tex", "000", "111", "sys", "sta", "TRF",
                                 "GYR", "De_", "sco", "\0\0\0"};
    // clang-format on
    const int kind = r.below(5);
    if (kind == 0) o.*r.pick(references) = outside_reference(r, m.nobj);
    if (kind == 1) o.*r.pick(numbers) = odd_number(r);
    if (kind == 2) o.type = std::string_view(r.pick(types), 3);
    if (kind == 3) o.caption = odd_text(r, r.below(101));
    if (kind == 4) o.parameters = odd_text(r, r.below(101)), o.parameter2 = odd_text(r, r.below(4));
}

// Damage to the file's bytes: flipped bits, NUL bytes, numbers replaced.
void damage_bytes(std::string& bytes, Random& r) {
    if (bytes.empty()) return;
    const std::size_t at = r.at(bytes);
    const std::size_t eq = bytes.find("= ", at);
    const int kind = r.below(3);
    if (kind < 2) {
        bytes[at] = kind == 0 ? static_cast<char>(bytes[at] ^ (1 << r.below(8))) : '\0';
    } else if (eq != std::string::npos) {
        const std::size_t end = bytes.find('\r', eq);
        const std::string values[] = {"-32768", "32767", "0", "-1", "1001", "99999", "x"};
        bytes.replace(eq + 2, end == std::string::npos ? 0 : end - eq - 2, r.pick(values));
    }
}

// The examples, an empty model, and one with a signal block, its ports, a
// chain through a connection point, a lone point, a bond and a note.
std::vector<std::string> base_models() {
    std::vector<std::string> models = {format_model(Model{})};
    for (const char* name : {"series_rlc", "dc_motor", "two_tanks", "quarter_car", "algebraic_loop",
                             "two_junctions", "../tests/data/fuzz/signal_model"}) {
        const std::string path = std::string(VANTOR_EXAMPLES_DIR) + "/" + name + ".bgf";
        models.push_back(format_model(read_model_file(path)));
    }
    return models;
}

using K = EventKind;

// Journal lines drawn from what the window holds at the moment, so that
// most of them reach a handler: glyph numbers of the model, places near its
// elements, gestures as runs of lines.
class LineMaker {
  public:
    LineMaker(Random& r, const ModelWindow& w) : r_(r), w_(w) {}

    std::vector<EditorEvent> next(const ParameterDialog& dialog) {
        if (dialog.open && !r_.percent(3)) return {dialog_line(&dialog)};
        // Lines that stop a replay, kept rare so that most journals run on.
        if (r_.below(200) == 0) {
            EditorEvent e = r_.percent(50) ? dialog_line(nullptr) : menu();
            if (e.kind == K::kMenu) e.name = r_.percent(50) ? "simulate" : "nosuch";
            return {e};
        }
        // An empty window takes drops rather than gestures on glyphs it lacks.
        if (w_.model.nobj == 0 && r_.percent(60)) return {drop()};
        const int roll = r_.below(19);
        if (roll < 3) return glyph_drag();
        if (roll < 5) return background_drag();
        if (roll < 7) return {ev(roll == 5 ? K::kImageClick : K::kImageDblClick, glyph())};
        if (roll < 10) return {menu()};
        if (roll == 10) return {drop()};
        if (roll == 11) return {text_change()};
        if (roll == 12) return {ev(K::kText1LostFocus)};
        if (roll == 13) return {scroll_or_resize()};
        if (roll == 14) return {ev(r_.percent(50) ? K::kFormDblClick : K::kFormLostFocus)};
        if (roll == 15) return {ev(K::kFormDblClick), pointer(K::kFormMouseUp, r_.below(3))};
        return {pointer(K::kFormMouseMove, r_.pick(kButtons))};
    }

  private:
    static constexpr int kButtons[] = {0, 0, 1, 1, 2, 3, 7};

    static EditorEvent ev(K kind, int index = 0, int button = 0, float x = 0, float y = 0) {
        return EditorEvent{kind, index, button, 0, x, y, 0, "", ""};
    }
    int glyph() {
        const int n = w_.model.nobj;
        const int values[] = {0, -1, n + 1, 1001, 32767};
        return n == 0 || r_.below(400) == 0 ? r_.pick(values) : r_.between(1, n);
    }
    float coordinate(bool vertical) {
        const int n = w_.model.nobj;
        const float odd[] = {-1e6f, -1.5f, 0, 0.25f, 29999.5f, 40000, 1e9f};
        if (r_.percent(5)) return r_.pick(odd);
        if (n > 0 && r_.percent(80)) {
            const ObjRecord& o = w_.model.objs[static_cast<std::size_t>(r_.between(1, n))];
            return static_cast<float>((vertical ? o.top : o.left) + r_.between(-400, 900));
        }
        return static_cast<float>(r_.between(-500, 12000));
    }
    EditorEvent pointer(K kind, int button) {
        EditorEvent e = ev(kind, 0, button, coordinate(false), coordinate(true));
        e.shift = r_.percent(90) ? 0 : r_.below(8);
        return e;
    }
    // Press, moves, release and the click that follows, on one glyph.
    std::vector<EditorEvent> glyph_drag() {
        const int i = glyph();
        const int button = r_.percent(45) ? 1 : r_.percent(85) ? 2 : r_.pick(kButtons);
        const auto x0 = static_cast<float>(r_.between(-50, 300));
        const auto y0 = static_cast<float>(r_.between(-50, 250));
        std::vector<EditorEvent> lines = {ev(K::kImageMouseMove, i, button, x0, y0)};
        for (int k = r_.between(0, 5); k > 0; --k) {
            lines.push_back(ev(K::kImageMouseMove, i, button,
                               x0 + static_cast<float>(r_.between(-2500, 2500)),
                               y0 + static_cast<float>(r_.between(-2500, 2500))));
        }
        if (r_.percent(90)) lines.push_back(ev(K::kImageMouseUp, i, button, x0, y0));
        if (r_.percent(70)) lines.push_back(ev(K::kImageClick, r_.percent(70) ? i : glyph()));
        return lines;
    }
    // A pointer over an element, then a drag with the left button (a bond or
    // a selection rectangle), and the release.
    std::vector<EditorEvent> background_drag() {
        std::vector<EditorEvent> lines = {pointer(K::kFormMouseMove, 0)};
        for (int k = r_.between(1, 4); k > 0; --k) lines.push_back(pointer(K::kFormMouseMove, 1));
        if (r_.percent(90)) lines.push_back(pointer(K::kFormMouseUp, 1));
        return lines;
    }
    EditorEvent menu() {
        // clang-format off
        const char* const items[] = {"ddelete", "ddelete", "Cut", "copy", "paste", "paste", "selectall",
            "selectall", "rotate", "edit", "showp", "simulink1", "simulink2", "simulink3", "assign",
            "extend", "undo", "editundo", "editundo", "editredo", "generate", "generate_cancelled"};
        // clang-format on
        EditorEvent e = ev(K::kMenu);
        e.name = r_.pick(items);
        return e;
    }
    EditorEvent drop() {
        EditorEvent e = ev(K::kDrop, 0, 0, coordinate(false), coordinate(true));
        e.name = r_.percent(2) ? "nosuch" : r_.percent(40) ? "bondgraph" : "signals";
        e.value =
            r_.percent(97) ? r_.between(1, e.name == "bondgraph" ? 15 : 12) : r_.between(-1, 20);
        return e;
    }
    EditorEvent text_change() {
        EditorEvent e = ev(K::kText1Change);
        const std::string texts[] = {"",           "x",    "R\r\n1", std::string(120, 'w'),
                                     "a\nadd_obj", "\x95", "1,2",    "q\"r"};
        e.text = r_.percent(70) ? r_.pick(texts) : odd_text(r_, r_.below(12), true);
        return e;
    }
    EditorEvent scroll_or_resize() {
        const K kinds[] = {K::kHScroll, K::kVScroll, K::kResize};
        const int values[] = {0, 1, 500, 3000, 19999, 20000};
        const float sizes[] = {0, 1, 500, 7335, 3810, 30000};
        EditorEvent e = ev(r_.pick(kinds));
        e.value = r_.percent(60) ? r_.pick(values) : r_.between(0, 20000);
        e.x = r_.percent(60) ? r_.pick(sizes) : static_cast<float>(r_.between(0, 20000));
        e.y = r_.percent(60) ? r_.pick(sizes) : static_cast<float>(r_.between(0, 20000));
        return e;
    }
    // Mostly into a box the open dialog shows; a hidden one stops the replay.
    EditorEvent dialog_line(const ParameterDialog* dialog) {
        // clang-format off
        const char* const names[] = {"value1", "value1", "value1", "value2", "value2", "value2", "Apply",
                                     "Apply", "Cancel", "Close", "closebox"};
        const std::string values[] = {"", "0", "3", "-2", "1000", "+-+", "2.5", "1e9", "abc", std::string(150, '9')};
        // clang-format on
        EditorEvent e = ev(K::kDialog);
        e.name = r_.pick(names);
        if (dialog != nullptr && e.name == "value2" && !dialog->value2.visible && !r_.percent(5))
            e.name = "value1";
        if (dialog != nullptr && e.name == "value1" && !dialog->value1.visible && !r_.percent(5))
            e.name = "Apply";
        e.text = r_.pick(values);
        return e;
    }

    Random& r_;
    const ModelWindow& w_;
};

// A damaged line: a flipped bit, a cut, a stray quote or a huge number.
std::string damage_line(std::string line, Random& r) {
    if (line.empty()) return line;
    const std::size_t at = r.at(line);
    const int kind = r.below(4);
    if (kind == 0) line[at] = static_cast<char>(line[at] ^ (1 << r.below(8)));
    if (kind == 1) line.resize(at);
    if (kind == 2) line.insert(at, "\"");
    if (kind == 3) line += r.percent(50) ? " 1e40" : " -0.5";
    return line;
}

// Generation of what a journal left, with its file kept in memory.
struct MemoryGeneration : GenerationHost {
    void show_message(const std::string&) override {}
    void selection_changed(int) override {}
    void redraw() override {}
    std::optional<std::string> ask_save_file(const SaveDialogRequest&) override { return "fuzz.m"; }
    void set_busy(bool) override {}
    void write_output(const std::string&, std::string_view) override {}
};

enum class Outcome { kModelRefused, kStopped, kFinished };

// One case: a damaged model opened as `vantor-cli edit` opens it, then a
// journal made and replayed line by line.
Outcome run_case(int number, const std::vector<std::string>& models, bool verbose) {
    Random r(kSeed + static_cast<std::uint64_t>(number) * 0x100000001b3ULL);
    std::string bytes = models[static_cast<std::size_t>(r.below(static_cast<int>(models.size())))];
    const bool byte_damage = r.percent(25);
    for (int k = byte_damage ? r.between(1, 6) : 0; k > 0; --k) damage_bytes(bytes, r);

    AppState app;
    app.program_dir = kData;
    ModelWindow window;
    init_model_window(window, 1);
    try {
        window.model = parse_model(bytes, "fuzz.bgf");
        for (int k = byte_damage ? 0 : r.below(5); k > 0; --k) damage_record(window.model, r);
        show_loaded_model(window, app);
    } catch (const FileError&) {
        return Outcome::kModelRefused;
    } catch (const Int16Overflow&) {
        return Outcome::kModelRefused;
    }
    window.saved = kTrue;

    QuietHost host;
    ReplaySession session;
    session.history.start(window);
    LineMaker maker(r, window);
    int line_number = 0;
    try {
        for (int step = r.between(5, 40); step > 0; --step) {
            for (const EditorEvent& event : maker.next(session.dialog)) {
                std::string line = format_journal_line(event);
                if (r.percent(1)) line = damage_line(line, r);
                if (verbose) std::cerr << line << "\n";
                const Journal journal = parse_journal(line, "fuzz.jnl");
                for (JournalEntry entry : journal.entries) {
                    entry.line = ++line_number;
                    replay_event(window, app, host, session, entry, journal.name);
                }
            }
        }
        close_open_dialog(window, app, host, session);
    } catch (const JournalError& e) {
        if (verbose) std::cerr << "stopped: " << e.problem() << "\n";
        return Outcome::kStopped;
    }

    // What the state file and Save would write; the saved model reads back.
    format_state_file(window, app);
    try {
        const Model back = parse_model(format_model(window.model), "saved.bgf");
        EXPECT_EQ(std::pair(back.nobj, back.nlin), std::pair(window.model.nobj, window.model.nlin))
            << "case " << number;
    } catch (const FileError& e) {
        ADD_FAILURE() << "case " << number << ": the saved model does not read back: " << e.what();
    }

    // Causality and generation read every reference the journal left.
    MemoryGeneration generation;
    GenerateRequest request;
    request.program_dir = kData;
    request.simulink_version = r.between(1, 3);
    request.window_caption = "fuzz";
    ModelWindowState generated = window;
    if (r.percent(70)) assign_Click(generated, read_priority_tables(kData), generation);
    generate_Click(generated, request, generation);
    return Outcome::kFinished;
}

TEST(JournalFuzz, DamagedJournalsOnDamagedModelsFinishOrStopCleanly) {
    const std::vector<std::string> models = base_models();
    int first = 0;
    int last = kCases - 1;
    // A longer run, locally: VANTOR_FUZZ_CASES=N.
    if (const char* count = std::getenv("VANTOR_FUZZ_CASES")) last = std::atoi(count) - 1;
    const char* one = std::getenv("VANTOR_FUZZ_CASE");
    if (one != nullptr) first = last = std::atoi(one);
    int outcomes[3] = {};
    for (int number = first; number <= last; ++number) {
        ++outcomes[static_cast<int>(run_case(number, models, one != nullptr))];
    }
    // Most journals must reach their end, or the handlers are barely tried.
    if (first != last) {
        EXPECT_GT(outcomes[static_cast<int>(Outcome::kFinished)], (last - first) / 3);
        EXPECT_GT(outcomes[static_cast<int>(Outcome::kStopped)], (last - first) / 20);
    }
}

}  // namespace
}  // namespace vantor
