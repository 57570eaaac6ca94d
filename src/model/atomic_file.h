#pragma once

#include <string>
#include <string_view>

namespace vantor {

// The whole content of a file. Throws FileError naming the path and the reason.
std::string read_whole_file(const std::string& path);

// Writes `bytes` to a temporary file in the target's folder and only then
// replaces the target, so a failure at any point leaves the old file whole.
// An existing target keeps its permissions; a link is followed to its file.
// Throws FileError naming the path and the reason.
void write_file_atomically(const std::string& path, std::string_view bytes);

}  // namespace vantor
