#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "editor/events.h"

namespace vantor {

// One event of a journal and the line it stands on.
struct JournalEntry {
    int line = 0;
    EditorEvent event;
};

// A journal as read: its name (the path, for messages) and its events in order.
struct Journal {
    std::string name;
    std::vector<JournalEntry> entries;
};

// A journal line that cannot be read, or one whose replay must stop. The
// message names the journal and the line: "edit.jnl: line 7: PROBLEM", or
// the journal alone for line 0, a fault of the whole journal.
class JournalError : public std::runtime_error {
  public:
    JournalError(std::string journal, int line, std::string problem);

    const std::string& journal() const { return journal_; }
    int line() const { return line_; }
    const std::string& problem() const { return problem_; }

  private:
    std::string journal_;
    int line_;
    std::string problem_;
};

// Reads journal text: one event a line; blank lines and lines whose first
// non-blank character is "#" are skipped; a line may end in CR LF. Text
// arguments come out as the model's Windows-1252 bytes. Every line is read
// before anything runs, so a journal with a fault changes nothing. Throws
// JournalError at the first line that cannot be read.
//
// With `window` > 0, only the lines of that window of a recording are read:
// those after a comment "# window N: CAPTION" with N = `window`, up to the
// next such comment of another window; a journal without that window is a
// JournalError.
Journal parse_journal(std::string_view text, const std::string& name, int window = 0);

// Reads the journal file at `path`. Throws FileError when the file cannot be
// read, JournalError for a line that cannot.
Journal read_journal_file(const std::string& path, int window = 0);

// The window number of a recording's window comment "# window N: CAPTION";
// nothing for any other line.
std::optional<int> window_comment_number(std::string_view line);

}  // namespace vantor
