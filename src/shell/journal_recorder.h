#pragma once

#include <cstdio>
#include <string>

#include "editor/events.h"

namespace vantor::shell {

// `vantor --journal FILE`: the model windows append every event they forward
// to FILE, one line each, flushed at once so that a crash loses nothing. The
// events of one window follow a comment naming it, "# window N: CAPTION",
// written whenever another window's events come next. N is the window's own
// for the whole file: a window opened after another closed, or in a later
// session appending to the file, gets a number not used before, so that
// `vantor-cli edit --window N` replays exactly one window.
class JournalRecorder {
  public:
    // Opens `path` for appending. Throws FileError when it cannot.
    explicit JournalRecorder(const std::string& path);
    ~JournalRecorder();
    JournalRecorder(const JournalRecorder&) = delete;
    JournalRecorder& operator=(const JournalRecorder&) = delete;

    // The number of a window that writes here, new for every window.
    int new_writer() { return ++writers_; }

    // An event of window `writer`, captioned `caption` (UTF-8).
    void record(int writer, const std::string& caption, const EditorEvent& event);

    const std::string& path() const { return path_; }

  private:
    void write_line(const std::string& line);

    std::string path_;
    std::FILE* file_ = nullptr;
    int writers_ = 0;
    int last_writer_ = 0;
};

}  // namespace vantor::shell
