// Random and damaged journals on damaged models, replayed in-process as
// `vantor-cli edit` replays them. Each must run to its end or stop with a
// JournalError, never crash or trip a sanitizer; a model that a finished
// replay would save must read back. The seed is fixed, so a failure repeats:
// VANTOR_FUZZ_CASE=N replays case N alone and prints its model and lines.
// Most lines are drawn from the window as it stands, so that they reach the
// handlers; a few name what is not there, or are damaged, and stop.

#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <csignal>
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
const std::string kExamples = VANTOR_EXAMPLES_DIR;

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
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    bool percent(int p) { return below(100) < p; }
    template <typename T, std::size_t N>
    const T& pick(const T (&values)[N]) {
        return values[static_cast<std::size_t>(below(static_cast<int>(N)))];
    }

  private:
    std::uint64_t state_;
};

class QuietHost : public EditorHost {
  public:
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

// Text as a file's field may hold it (a field ends at a comma or a line end),
// or, `typed`, as a person may type it into a box.
std::string odd_text(Random& r, std::size_t length, bool typed = false) {
    const char read[] = {'\0', ' ', '=', '%', 'x', '\x95', '\x81', '\xff', '\x8d'};
    const char keys[] = {' ', '\r', '\n', ',', '"', '=', '%', 'x', '\x95', '\x81', '\xff', '\t'};
    std::string text;
    for (std::size_t i = 0; i < length; ++i) text += typed ? r.pick(keys) : r.pick(read);
    return text;
}

// One damage to one record of the model, of the kinds a damaged file holds.
void damage_record(Model& m, Random& r) {
    if (m.nlin > 0 && r.percent(35)) {
        LineRecord& bond = m.lines[static_cast<std::size_t>(r.between(1, m.nlin))];
        switch (r.below(4)) {
            case 0:
                bond.obj1 = outside_reference(r, m.nobj);
                break;
            case 1:
                bond.obj2 = outside_reference(r, m.nobj);
                break;
            case 2:
                bond.causa = odd_number(r);
                break;
            default:
                bond.causa = 4;
                bond.obj1 = outside_reference(r, m.nobj);
                break;
        }
        return;
    }
    if (m.nobj == 0) return;
    ObjRecord& o = m.objs[static_cast<std::size_t>(r.between(1, m.nobj))];
    const char* const types[] = {"con", "sum", "mux", "dem", "Tex", "000", "111",
                                 "sys", "sta", "TRF", "GYR", "De_", "sco"};
    switch (r.below(13)) {
        case 0:
            o.auxil2 = outside_reference(r, m.nobj);
            break;
        case 1:
            o.index = outside_reference(r, m.nobj);
            break;
        case 2:
            o.numlin = odd_number(r);
            break;
        case 3:
            o.maxlin = odd_number(r);
            break;
        case 4:
            o.maxsigninp = odd_number(r);
            break;
        case 5:
            o.signout = odd_number(r);
            break;
        case 6:
            o.auxil1 = odd_number(r);
            o.auxil3 = odd_number(r);
            break;
        case 7:
            o.type = std::string_view(r.pick(types), 3);
            break;
        case 8:
            o.type = std::string(3, '\0');
            break;
        case 9:
            o.caption = odd_text(r, static_cast<std::size_t>(r.below(101)));
            break;
        case 10:
            o.parameters = odd_text(r, static_cast<std::size_t>(r.below(101)));
            o.parameter2 = odd_text(r, static_cast<std::size_t>(r.below(4)));
            break;
        case 11:
            o.top = odd_number(r);
            o.left = odd_number(r);
            break;
        default:
            o.selected = odd_number(r);
            break;
    }
}

// Damage to the file's bytes: flipped bits, NUL bytes, numbers replaced.
void damage_bytes(std::string& bytes, Random& r) {
    if (bytes.empty()) return;
    const auto at = static_cast<std::size_t>(r.below(static_cast<int>(bytes.size())));
    switch (r.below(3)) {
        case 0:
            bytes[at] = static_cast<char>(bytes[at] ^ (1 << r.below(8)));
            break;
        case 1:
            bytes[at] = '\0';
            break;
        default: {
            const std::size_t eq = bytes.find("= ", at);
            if (eq == std::string::npos) return;
            const std::size_t end = bytes.find('\r', eq);
            const std::string values[] = {"-32768", "32767", "0", "-1", "1001", "99999", "x"};
            bytes.replace(eq + 2, end == std::string::npos ? 0 : end - eq - 2, r.pick(values));
        }
    }
}

// A model with signal blocks, ports and a chain, beside the examples.
Model signal_model() {
    auto element = [](const char* type, const char* caption, int left, int top) {
        ObjRecord o;
        o.type = type;
        o.caption = caption;
        o.parameters = "1";
        o.left = static_cast<std::int16_t>(left);
        o.top = static_cast<std::int16_t>(top);
        return o;
    };
    Model m;
    auto add = [&m](const ObjRecord& o) {
        m.objs[static_cast<std::size_t>(++m.nobj)] = o;
        return static_cast<std::int16_t>(m.nobj);
    };
    ObjRecord sum = element("sum", "+-", 1000, 1000);
    sum.parameters = "+-";
    sum.maxsigninp = 2;
    sum.signout = 1;
    const std::int16_t s = add(sum);
    for (int k = 1; k <= 3; ++k) {
        ObjRecord port = element("con", ">", 0, 0);
        port.auxil2 = s;
        port.auxil3 = static_cast<std::int16_t>(k == 3 ? 1 : k);
        port.signout = static_cast<std::int16_t>(k == 3 ? -1 : 0);
        add(port);
    }
    ObjRecord point = element("con", "\x95", 2000, 1100);
    point.auxil2 = 4;
    point.signout = -1;
    point.index = 2;
    const std::int16_t p = add(point);
    ObjRecord lone = element("con", "\x95", 2500, 2000);
    lone.signout = -1;
    add(lone);
    add(element("111", "1", 3000, 500));
    add(element("C__", "C", 3000, 1500));
    add(element("Tex", "note", 500, 2500));
    m.lines[1] = {kSignalLink, 4, p, 0};
    m.lines[2] = {kSignalLink, p, 2, 0};
    m.lines[3] = {1, 7, 8, 0};
    m.nlin = 3;
    return m;
}

std::vector<std::string> base_models() {
    std::vector<std::string> models = {format_model(Model{}), format_model(signal_model())};
    for (const char* name : {"series_rlc", "dc_motor", "two_tanks", "quarter_car", "algebraic_loop",
                             "two_junctions"}) {
        const Model m = read_model_file(kExamples + "/" + name + ".bgf");
        models.push_back(format_model(m));
    }
    return models;
}

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
            if (e.kind == EventKind::kMenu) e.name = r_.percent(50) ? "simulate" : "nosuch";
            return {e};
        }
        // An empty window takes drops rather than gestures on glyphs it lacks.
        if (w_.model.nobj == 0 && r_.percent(60)) return {drop()};
        switch (r_.below(19)) {
            case 0:
            case 1:
            case 2:
                return glyph_drag();
            case 3:
            case 4:
                return background_drag();
            case 5:
                return {glyph_event(EventKind::kImageClick)};
            case 6:
                return {glyph_event(EventKind::kImageDblClick)};
            case 7:
            case 8:
            case 9:
                return {menu()};
            case 10:
                return {drop()};
            case 11:
                return {text_change()};
            case 12:
                return {simple(EventKind::kText1LostFocus)};
            case 13:
                return {scroll_or_resize()};
            case 14:
                return {
                    simple(r_.percent(50) ? EventKind::kFormDblClick : EventKind::kFormLostFocus)};
            case 15: {
                EditorEvent click = pointer(EventKind::kFormMouseUp, r_.below(3));
                return {simple(EventKind::kFormDblClick), click};
            }
            default:
                return {pointer(EventKind::kFormMouseMove, r_.pick(kButtons))};
        }
    }

  private:
    static constexpr int kButtons[] = {0, 0, 1, 1, 2, 3, 7};

    int glyph() {
        const int n = w_.model.nobj;
        if (n == 0 || r_.below(400) == 0) {
            const int values[] = {0, -1, n + 1, 1001, 32767};
            return r_.pick(values);
        }
        return r_.between(1, n);
    }
    float coordinate(bool vertical) {
        const int n = w_.model.nobj;
        if (r_.percent(5)) {
            const float values[] = {-1e6f, -1.5f, 0, 0.25f, 29999.5f, 40000, 1e9f};
            return r_.pick(values);
        }
        if (n > 0 && r_.percent(80)) {
            const ObjRecord& o = w_.model.objs[static_cast<std::size_t>(r_.between(1, n))];
            return static_cast<float>((vertical ? o.top : o.left) + r_.between(-400, 900));
        }
        return static_cast<float>(r_.between(-500, 12000));
    }
    EditorEvent simple(EventKind kind) {
        EditorEvent e;
        e.kind = kind;
        return e;
    }
    EditorEvent pointer(EventKind kind, int button) {
        EditorEvent e = simple(kind);
        e.button = button;
        e.shift = r_.percent(90) ? 0 : r_.below(8);
        e.x = coordinate(false);
        e.y = coordinate(true);
        return e;
    }
    EditorEvent glyph_event(EventKind kind) {
        EditorEvent e = simple(kind);
        e.index = glyph();
        return e;
    }
    EditorEvent glyph_pointer(EventKind kind, int index, int button, float x, float y) {
        EditorEvent e = simple(kind);
        e.index = index;
        e.button = button;
        e.x = x;
        e.y = y;
        return e;
    }
    // Press, moves, release and the click that follows, on one glyph.
    std::vector<EditorEvent> glyph_drag() {
        const int i = glyph();
        const int button = r_.percent(45) ? 1 : r_.percent(85) ? 2 : r_.pick(kButtons);
        const float x0 = static_cast<float>(r_.between(-50, 300));
        const float y0 = static_cast<float>(r_.between(-50, 250));
        std::vector<EditorEvent> lines = {
            glyph_pointer(EventKind::kImageMouseMove, i, button, x0, y0)};
        const int steps = r_.between(0, 5);
        for (int k = 1; k <= steps; ++k) {
            const float x = x0 + static_cast<float>(r_.between(-2500, 2500));
            const float y = y0 + static_cast<float>(r_.between(-2500, 2500));
            lines.push_back(glyph_pointer(EventKind::kImageMouseMove, i, button, x, y));
        }
        if (r_.percent(90)) {
            lines.push_back(glyph_pointer(EventKind::kImageMouseUp, i, button, x0, y0));
        }
        if (r_.percent(70)) lines.push_back(glyph_event(EventKind::kImageClick));
        if (r_.percent(70)) lines.back().index = i;
        return lines;
    }
    // A pointer over an element, then a drag with the left button (a bond or
    // a selection rectangle), and the release.
    std::vector<EditorEvent> background_drag() {
        std::vector<EditorEvent> lines = {pointer(EventKind::kFormMouseMove, 0)};
        const int steps = r_.between(1, 4);
        for (int k = 0; k < steps; ++k) lines.push_back(pointer(EventKind::kFormMouseMove, 1));
        if (r_.percent(90)) lines.push_back(pointer(EventKind::kFormMouseUp, 1));
        return lines;
    }
    EditorEvent menu() {
        const char* const items[] = {"ddelete",   "ddelete",
                                     "Cut",       "copy",
                                     "paste",     "paste",
                                     "selectall", "selectall",
                                     "rotate",    "edit",
                                     "showp",     "simulink1",
                                     "simulink2", "simulink3",
                                     "assign",    "extend",
                                     "undo",      "editundo",
                                     "editundo",  "editredo",
                                     "generate",  "generate_cancelled"};
        EditorEvent e = simple(EventKind::kMenu);
        e.name = r_.pick(items);
        return e;
    }
    EditorEvent drop() {
        EditorEvent e = simple(EventKind::kDrop);
        e.name = r_.percent(2) ? "nosuch" : r_.percent(40) ? "bondgraph" : "signals";
        e.value =
            r_.percent(97) ? r_.between(1, e.name == "bondgraph" ? 15 : 12) : r_.between(-1, 20);
        e.x = coordinate(false);
        e.y = coordinate(true);
        return e;
    }
    EditorEvent text_change() {
        EditorEvent e = simple(EventKind::kText1Change);
        const std::string texts[] = {"",           "x",    "R\r\n1", std::string(120, 'w'),
                                     "a\nadd_obj", "\x95", "1,2",    "q\"r"};
        e.text = r_.percent(70) ? r_.pick(texts) : odd_text(r_, r_.below(12), true);
        return e;
    }
    EditorEvent scroll_or_resize() {
        const EventKind kinds[] = {EventKind::kHScroll, EventKind::kVScroll, EventKind::kResize};
        EditorEvent e = simple(r_.pick(kinds));
        const int values[] = {0, 1, 500, 3000, 19999, 20000};
        e.value = r_.percent(60) ? r_.pick(values) : r_.between(0, 20000);
        const float sizes[] = {0, 1, 500, 7335, 3810, 30000};
        e.x = r_.percent(60) ? r_.pick(sizes) : static_cast<float>(r_.between(0, 20000));
        e.y = r_.percent(60) ? r_.pick(sizes) : static_cast<float>(r_.between(0, 20000));
        return e;
    }
    // Mostly into a box the open dialog shows; a hidden one stops the replay.
    EditorEvent dialog_line(const ParameterDialog* dialog) {
        EditorEvent e = simple(EventKind::kDialog);
        const char* const names[] = {"value1", "value1", "value1", "value2", "value2",  "value2",
                                     "Apply",  "Apply",  "Cancel", "Close",  "closebox"};
        e.name = r_.pick(names);
        if (dialog != nullptr && e.name == "value2" && !dialog->value2.visible && !r_.percent(5))
            e.name = "value1";
        if (dialog != nullptr && e.name == "value1" && !dialog->value1.visible && !r_.percent(5))
            e.name = "Apply";
        const std::string values[] = {"",    "0",   "3",   "-2",  "1000",
                                      "+-+", "2.5", "1e9", "abc", std::string(150, '9')};
        e.text = r_.pick(values);
        return e;
    }

    Random& r_;
    const ModelWindow& w_;
};

// A damaged line: a flipped bit, a cut, a stray quote or a huge number.
std::string damage_line(std::string line, Random& r) {
    if (line.empty()) return line;
    const auto at = static_cast<std::size_t>(r.below(static_cast<int>(line.size())));
    switch (r.below(4)) {
        case 0:
            line[at] = static_cast<char>(line[at] ^ (1 << r.below(8)));
            break;
        case 1:
            line.resize(at);
            break;
        case 2:
            line.insert(at, "\"");
            break;
        default:
            line += r.percent(50) ? " 1e40" : " -0.5";
            break;
    }
    return line;
}

// Generation of what a journal left, with its file kept in memory.
class MemoryGeneration : public GenerationHost {
  public:
    void show_message(const std::string&) override {}
    void selection_changed(int) override {}
    void redraw() override {}
    std::optional<std::string> ask_save_file(const SaveDialogRequest&) override { return "fuzz.m"; }
    void set_busy(bool) override {}
    void write_output(const std::string&, std::string_view bytes) override {
        written = bytes.size();
    }
    std::size_t written = 0;
};

// The case that runs, named on stderr when it dies (a sanitizer report
// ends in an abort), so that VANTOR_FUZZ_CASE can replay it.
volatile std::sig_atomic_t running_case = 0;

extern "C" void name_running_case(int signal_number) {
    char text[64] = "journal fuzz: died in case ";
    std::size_t n = 27;
    char digits[12];
    std::size_t d = 0;
    for (long v = running_case; d == 0 || v > 0; v /= 10)
        digits[d++] = static_cast<char>('0' + v % 10);
    while (d > 0) text[n++] = digits[--d];
    text[n++] = '\n';
    [[maybe_unused]] const auto written = write(2, text, n);
    std::signal(signal_number, SIG_DFL);
    std::raise(signal_number);
}

enum class Outcome { kModelRefused, kStopped, kFinished };

struct Tally {
    int refused = 0;
    int stopped = 0;
    int finished = 0;
    int lines = 0;
    int generated = 0;
};

// One case: a damaged model opened as `vantor-cli edit` opens it, then a
// journal made and replayed line by line. Returns how it ended.
Outcome run_case(int number, const std::vector<std::string>& models, Tally& tally, bool verbose) {
    Random r(kSeed + static_cast<std::uint64_t>(number) * 0x100000001b3ULL);
    std::string bytes = models[static_cast<std::size_t>(r.below(static_cast<int>(models.size())))];
    const bool byte_damage = r.percent(25);
    if (byte_damage) {
        for (int k = r.between(1, 6); k > 0; --k) damage_bytes(bytes, r);
    }

    AppState app;
    app.program_dir = kData;
    ModelWindow window;
    init_model_window(window, 1);
    try {
        window.model = parse_model(bytes, "fuzz.bgf");
        if (!byte_damage) {
            for (int k = r.below(5); k > 0; --k) damage_record(window.model, r);
        }
        if (verbose) std::cerr << "model:\n" << format_model(window.model) << "journal:\n";
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
    const int steps = r.between(5, 40);
    int line_number = 0;
    try {
        for (int step = 0; step < steps; ++step) {
            for (const EditorEvent& event : maker.next(session.dialog)) {
                std::string line = format_journal_line(event);
                if (r.percent(1)) line = damage_line(line, r);
                if (verbose) std::cerr << line << "\n";
                ++tally.lines;
                const Journal journal = parse_journal(line, "fuzz.jnl");
                for (JournalEntry entry : journal.entries) {
                    entry.line = ++line_number;
                    replay_event(window, app, host, session, entry, journal.name);
                }
            }
        }
        close_open_dialog(window, app, host, session);
    } catch (const JournalError& e) {
        if (verbose || std::getenv("VANTOR_FUZZ_STOPS"))
            std::cerr << "stopped: " << e.problem() << "\n";
        return Outcome::kStopped;
    }

    // What the state file and Save would write; the saved model reads back.
    const std::string state = format_state_file(window, app);
    EXPECT_FALSE(state.empty());
    const std::string saved = format_model(window.model);
    if (verbose) std::cerr << "saved:\n" << saved;
    try {
        const Model back = parse_model(saved, "saved.bgf");
        EXPECT_EQ(back.nobj, window.model.nobj) << "case " << number;
        EXPECT_EQ(back.nlin, window.model.nlin) << "case " << number;
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
    const GenerateResult result = generate_Click(generated, request, generation);
    if (result.outcome == GenerateOutcome::kWritten) ++tally.generated;
    return Outcome::kFinished;
}

TEST(JournalFuzz, DamagedJournalsOnDamagedModelsFinishOrStopCleanly) {
    const std::vector<std::string> models = base_models();
    Tally tally;
    int first = 0;
    int last = kCases - 1;
    bool verbose = false;
    // A longer run, locally: VANTOR_FUZZ_CASES=N.
    if (const char* count = std::getenv("VANTOR_FUZZ_CASES")) last = std::atoi(count) - 1;
    if (const char* one = std::getenv("VANTOR_FUZZ_CASE")) {
        first = last = std::atoi(one);
        verbose = true;
    }
    std::signal(SIGABRT, name_running_case);
    std::signal(SIGSEGV, name_running_case);
    const auto start = std::chrono::steady_clock::now();
    for (int number = first; number <= last; ++number) {
        running_case = number;
        switch (run_case(number, models, tally, verbose)) {
            case Outcome::kModelRefused:
                ++tally.refused;
                break;
            case Outcome::kStopped:
                ++tally.stopped;
                break;
            case Outcome::kFinished:
                ++tally.finished;
                break;
        }
    }
    std::signal(SIGABRT, SIG_DFL);
    std::signal(SIGSEGV, SIG_DFL);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::cout << tally.finished << " finished, " << tally.stopped << " stopped, " << tally.refused
              << " models refused; " << tally.lines << " lines, " << tally.generated
              << " generated, in " << seconds << " s\n";
    if (first != last) {
        // Most journals must reach their end, or the handlers are barely tried.
        EXPECT_GT(tally.finished, (last - first) / 3);
        EXPECT_GT(tally.stopped, (last - first) / 20);
    }
}

}  // namespace
}  // namespace vantor
