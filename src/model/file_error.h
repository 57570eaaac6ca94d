#pragma once

#include <stdexcept>
#include <string>
#include <utility>

namespace vantor {

// A file that could not be read, written or accepted. The message names the
// file and, where it helps, the line: "models/a.bgf, line 12: ...".
class FileError : public std::runtime_error {
  public:
    FileError(std::string path, int line, std::string problem);
    FileError(std::string path, std::string problem)
        : FileError(std::move(path), 0, std::move(problem)) {}

    const std::string& path() const { return path_; }
    int line() const { return line_; }  // 0 when no line applies
    const std::string& problem() const { return problem_; }

  private:
    std::string path_;
    int line_;
    std::string problem_;
};

// The text of the last failed system call, for messages.
std::string system_error_text(int errnum);

}  // namespace vantor
