#include "app/recovery_folder.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <fstream>
#include <system_error>

#include "model/file_error.h"
#include "model/file_reading.h"
#include "model/file_saving.h"
#include "model/model_writer.h"

namespace vantor {
namespace {

constexpr std::string_view kNamePrefix = "vantor-";
constexpr std::string_view kModelExtension = ".bgf";
constexpr std::string_view kNoteExtension = ".note";
constexpr std::string_view kNoteFirstLine = "vantor recovery copy";
// A note is a few lines; anything larger is no note of ours.
constexpr std::size_t kNoteLimit = 64 * 1024;

std::string copy_name(long pid, int serial) {
    return std::string(kNamePrefix) + std::to_string(pid) + "-" + std::to_string(serial);
}

// A whole positive number, all of `text`.
template <typename Number>
std::optional<Number> whole_number(std::string_view text) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value <= 0) return {};
    return value;
}

// The pid and serial of a copy's file name "vantor-PID-SERIAL.bgf".
std::optional<std::pair<long, int>> parse_copy_name(std::string_view name) {
    if (!name.starts_with(kNamePrefix) || !name.ends_with(kModelExtension)) return {};
    name.remove_prefix(kNamePrefix.size());
    name.remove_suffix(kModelExtension.size());
    const std::size_t dash = name.find('-');
    if (dash == std::string_view::npos) return {};
    const auto pid = whole_number<long>(name.substr(0, dash));
    const auto serial = whole_number<int>(name.substr(dash + 1));
    if (!pid || !serial) return {};
    return std::pair{*pid, *serial};
}

// One line of the note: the value with "\", CR and LF escaped.
std::string escaped(std::string_view value) {
    std::string out;
    for (const char c : value) {
        if (c == '\\') {
            out += "\\\\";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else {
            out += c;
        }
    }
    return out;
}

std::string unescaped(std::string_view value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const char next = value[++i];
        out += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return out;
}

std::time_t modified_time(const std::filesystem::path& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_mtime : 0;
}

// When the system started, in seconds since the epoch; 0 when it cannot tell.
std::time_t boot_time() {
    std::ifstream in("/proc/stat");
    std::string word;
    while (in >> word) {
        if (word == "btime") {
            long long seconds = 0;
            in >> seconds;
            return static_cast<std::time_t>(seconds);
        }
    }
    return 0;
}

std::filesystem::path note_of(const std::filesystem::path& model) {
    std::filesystem::path note = model;
    note.replace_extension(kNoteExtension);
    return note;
}

}  // namespace

int recovery_interval_seconds(const char* variable_value) {
    if (variable_value == nullptr) return kRecoveryDefaultSeconds;
    const auto seconds = whole_number<int>(variable_value);
    return seconds ? *seconds : kRecoveryDefaultSeconds;
}

std::string format_recovery_note(const RecoveryOrigin& origin) {
    return std::string(kNoteFirstLine) + "\ncaption=" + escaped(origin.caption) +
           "\npath=" + escaped(origin.path) + "\nnamed=" + (origin.named ? "1" : "0") + "\n";
}

std::optional<RecoveryOrigin> parse_recovery_note(std::string_view text) {
    RecoveryOrigin origin;
    bool first = true;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (first) {
            if (line != kNoteFirstLine) return {};
            first = false;
        } else if (line.starts_with("caption=")) {
            origin.caption = unescaped(line.substr(8));
        } else if (line.starts_with("path=")) {
            origin.path = unescaped(line.substr(5));
        } else if (line.starts_with("named=")) {
            origin.named = line.substr(6) == "1";
        }
    }
    if (first) return {};
    return origin;
}

bool process_alive(long pid) {
    if (pid <= 0 || pid > 0x7fffffff) return false;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH;
}

RecoveryFolder::RecoveryFolder(std::filesystem::path folder, long pid)
    : folder_(std::move(folder)), pid_(pid) {}

std::filesystem::path RecoveryFolder::model_file(int serial) const {
    return folder_ / (copy_name(pid_, serial) + std::string(kModelExtension));
}

std::filesystem::path RecoveryFolder::note_file(int serial) const {
    return folder_ / (copy_name(pid_, serial) + std::string(kNoteExtension));
}

void RecoveryFolder::write(int serial, const Model& model, const RecoveryOrigin& origin) const {
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    if (error) {
        throw FileError(folder_.string(), "the folder cannot be made: " + error.message());
    }
    const std::string target = model_file(serial).string();
    // A model opened from this very file is the user's now: it is never
    // written over.
    if (same_file(target, origin.path)) {
        throw FileError(target, "the model was opened from its own recovery copy");
    }
    save_file(note_file(serial).string(), format_recovery_note(origin));
    write_model_file(target, model);
}

void RecoveryFolder::remove(int serial) const {
    std::error_code error;
    std::filesystem::remove(model_file(serial), error);
    std::filesystem::remove(note_file(serial), error);
}

std::vector<RecoveryCopy> RecoveryFolder::left_behind(
    const std::function<bool(long)>& alive) const {
    std::vector<RecoveryCopy> copies;
    std::error_code error;
    const std::time_t booted = boot_time();
    for (const auto& entry : std::filesystem::directory_iterator(folder_, error)) {
        const auto name = parse_copy_name(entry.path().filename().string());
        if (!name || name->first == pid_ || !entry.is_regular_file(error)) continue;
        const std::time_t written = modified_time(entry.path());
        // After a power cut another program may run under the writer's
        // number: a copy older than the system's start has no writer left.
        if (alive(name->first) && !(booted > 0 && written < booted)) continue;
        RecoveryCopy copy;
        copy.model = entry.path();
        copy.pid = name->first;
        copy.serial = name->second;
        copy.written = written;
        std::optional<RecoveryOrigin> origin;
        try {
            origin =
                parse_recovery_note(read_whole_file(note_of(entry.path()).string(), kNoteLimit));
        } catch (const FileError&) {
        }
        // Without its note the copy is still offered, under its own name.
        copy.origin = origin ? *origin : RecoveryOrigin{entry.path().stem().string(), "", false};
        copies.push_back(std::move(copy));
    }
    std::sort(copies.begin(), copies.end(), [](const RecoveryCopy& a, const RecoveryCopy& b) {
        return a.written != b.written ? a.written < b.written : a.model < b.model;
    });
    return copies;
}

void RecoveryFolder::discard(const RecoveryCopy& copy) {
    std::error_code error;
    std::filesystem::remove(copy.model, error);
    std::filesystem::remove(note_of(copy.model), error);
}

bool RecoveryFolder::adopt(const RecoveryCopy& copy, int serial) const {
    std::error_code error;
    std::filesystem::rename(copy.model, model_file(serial), error);
    if (error) return false;
    std::filesystem::rename(note_of(copy.model), note_file(serial), error);
    if (error) {
        try {
            save_file(note_file(serial).string(), format_recovery_note(copy.origin));
        } catch (const FileError&) {
            // The copy is offered under its own name then.
        }
    }
    return true;
}

}  // namespace vantor
