#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace vantor {

// Support files (libraries, priority tables, templates, descriptions, the About
// text) are small; anything larger is a mistake that would only cost time and
// memory. Model files hold at most 1000 elements and 1000 bonds, about 2 MB,
// so their limit leaves ample room for comments.
inline constexpr std::size_t kSupportFileLimit = std::size_t{1} << 20;
inline constexpr std::size_t kModelFileLimit = std::size_t{64} << 20;

// The whole content of the regular file at `path`. A FIFO, a device or a
// socket is refused without waiting for it ("not a regular file"), and so is a
// file larger than `limit`. Throws FileError naming the path and the reason.
std::string read_whole_file(const std::string& path, std::size_t limit = kModelFileLimit);

// As read_whole_file, but a file that does not exist gives nothing instead of
// an error; every other failure still throws.
std::optional<std::string> read_file_if_present(const std::string& path, std::size_t limit);

// "1 MB", "64 MB": a limit as messages name it.
std::string size_limit_text(std::size_t limit);

}  // namespace vantor
