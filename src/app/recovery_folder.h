#pragma once

// The recovery copies of models with unsaved changes: ordinary model files in
// a folder of the user's data, each with a short note of the model it stands
// for, named after the process and the window that wrote it, so that two
// running editors never take each other's copies.

#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/model.h"

namespace vantor {

// How often a window with unsaved changes writes its copy, and the
// environment variable that shortens it (whole seconds).
inline constexpr int kRecoveryDefaultSeconds = 120;
inline constexpr const char* kRecoverySecondsVariable = "VANTOR_RECOVERY_SECONDS";
// A copy is also written after this many steps taken, undone or redone.
inline constexpr std::size_t kRecoveryStepInterval = 100;

// The interval that the variable's value asks for; the default when it is
// unset or not a positive whole number.
int recovery_interval_seconds(const char* variable_value);

// What a copy stands for, as the dialog that offers it shows it.
struct RecoveryOrigin {
    std::string caption;  // the window's caption
    std::string path;     // the model's file, or the made-up name of a new model
    bool named = false;   // whether the path is a file of the user's
};

// The note kept beside a copy, and its reading back; nothing for a note that
// is not one.
std::string format_recovery_note(const RecoveryOrigin& origin);
std::optional<RecoveryOrigin> parse_recovery_note(std::string_view text);

// A copy found in the folder.
struct RecoveryCopy {
    std::filesystem::path model;  // the .bgf file
    long pid = 0;                 // the process that wrote it
    int serial = 0;               // its window's number in that process
    RecoveryOrigin origin;
    std::time_t written = 0;
};

// Whether process `pid` is running (or may be: one of another user's).
bool process_alive(long pid);

class RecoveryFolder {
  public:
    // The copies of process `pid` in `folder`, which is made when the first
    // copy is written.
    RecoveryFolder(std::filesystem::path folder, long pid);

    const std::filesystem::path& path() const { return folder_; }
    long pid() const { return pid_; }

    // The files of this process's window `serial`.
    std::filesystem::path model_file(int serial) const;
    std::filesystem::path note_file(int serial) const;

    // Writes the copy of window `serial` through the safe save, the note
    // first, so that a copy found always has its note. Throws FileError.
    void write(int serial, const Model& model, const RecoveryOrigin& origin) const;
    // Removes the copy of window `serial`, if any.
    void remove(int serial) const;

    // The copies of processes that no longer run, oldest first. The copies
    // of this process and of running ones are never listed; a copy written
    // before the system started is, whatever runs under its number now.
    std::vector<RecoveryCopy> left_behind(
        const std::function<bool(long)>& alive = process_alive) const;
    // Removes a listed copy.
    static void discard(const RecoveryCopy& copy);
    // Makes a listed copy window `serial`'s own, so that it goes when that
    // window saves or closes cleanly. False when it cannot be moved.
    bool adopt(const RecoveryCopy& copy, int serial) const;

  private:
    std::filesystem::path folder_;
    long pid_;
};

}  // namespace vantor
