#include "model/file_error.h"

#include <cstring>

namespace vantor {
namespace {

std::string compose(const std::string& path, int line, const std::string& problem) {
    // An empty argument would give a message starting with ": ".
    std::string text = path.empty() ? std::string("\"\" (an empty file name)") : path;
    if (line > 0) text += ", line " + std::to_string(line);
    return text + ": " + problem;
}

}  // namespace

FileError::FileError(std::string path, int line, std::string problem)
    : std::runtime_error(compose(path, line, problem)),
      path_(std::move(path)),
      line_(line),
      problem_(std::move(problem)) {}

std::string system_error_text(int errnum) {
    return std::strerror(errnum);
}

}  // namespace vantor
