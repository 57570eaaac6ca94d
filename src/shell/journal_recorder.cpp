#include "shell/journal_recorder.h"

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <optional>

#include "journal/journal_reader.h"
#include "journal/journal_writer.h"
#include "model/file_error.h"

namespace vantor::shell {

namespace {

// The highest window number the file's earlier sessions used; 0 for none.
int last_window_number(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    int last = 0;
    std::string line;
    while (std::getline(in, line)) {
        if (const std::optional<int> n = window_comment_number(line)) last = std::max(last, *n);
    }
    return last;
}

}  // namespace

JournalRecorder::JournalRecorder(const std::string& path)
    : path_(path), writers_(last_window_number(path)) {
    file_ = std::fopen(path.c_str(), "ab");
    if (file_ == nullptr) {
        throw FileError(path, "the journal cannot be opened: " + system_error_text(errno));
    }
}

JournalRecorder::~JournalRecorder() {
    if (file_ != nullptr) std::fclose(file_);
}

void JournalRecorder::record(int writer, const std::string& caption, const EditorEvent& event) {
    if (writer != last_writer_) {
        last_writer_ = writer;
        write_line(format_journal_comment("window " + std::to_string(writer) + ": " + caption));
    }
    write_line(format_journal_line(event));
}

void JournalRecorder::write_line(const std::string& line) {
    // A journal that can no longer be written must not stop the editing: the
    // lines are lost, the model is not.
    std::fputs(line.c_str(), file_);
    std::fputc('\n', file_);
    std::fflush(file_);
}

}  // namespace vantor::shell
