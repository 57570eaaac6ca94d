#include "shell/journal_recorder.h"

#include <cerrno>

#include "editor/journal_writer.h"
#include "model/file_error.h"

namespace vantor::shell {

JournalRecorder::JournalRecorder(const std::string& path) : path_(path) {
    file_ = std::fopen(path.c_str(), "ab");
    if (file_ == nullptr) {
        throw FileError(path, "the journal cannot be opened: " + system_error_text(errno));
    }
}

JournalRecorder::~JournalRecorder() {
    if (file_ != nullptr) std::fclose(file_);
}

void JournalRecorder::record(int writer, int winnum, const std::string& caption,
                             const EditorEvent& event) {
    if (writer != last_writer_) {
        last_writer_ = writer;
        write_line(format_journal_comment("window " + std::to_string(winnum) + ": " + caption));
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
