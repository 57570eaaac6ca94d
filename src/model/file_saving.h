#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace vantor {

// Writes `bytes` to `path` without ever losing what was there:
// - a regular file, or a new one, is written to a temporary file in the same
//   folder and then renamed over the target, so the target is always either
//   the old file or the whole new one; it keeps its permissions, and a link is
//   followed to its file;
// - a character device, a FIFO or a socket is written into, never replaced;
// - a folder, a block device and a file the user may not write are refused.
// Throws FileError naming the path and the reason.
void save_file(const std::string& path, std::string_view bytes);

// Writes bytes on; false once writing failed (the save then throws).
using ByteWriter = std::function<bool(std::string_view bytes)>;
// Produces a file's bytes through the writer; false leaves the target as it
// was (a device or FIFO keeps what it was given).
using ByteProducer = std::function<bool(const ByteWriter& write)>;

// save_file for bytes made as they are written, so that they need not all be
// in memory: the same rules, the temporary file growing while `produce` runs.
void save_file_streamed(const std::string& path, const ByteProducer& produce);

// How the names of the temporary files that save_file uses for a target name
// begin; each save adds its process number and a random part. A save killed
// after naming its file may leave it; a later save of the same target removes
// it once its process is gone and it is ten minutes old.
std::string temporary_save_prefix(const std::string& target_name, long name_max = 255);

// Throws the FileError that save_file would throw for what it can tell
// before writing (a folder, a read-only file, a link to nothing, a missing or
// unwritable folder), so that a command with several outputs can refuse
// before it writes any.
void check_can_save(const std::string& path);

// A write beyond the file-size limit (ulimit -f) kills the process with
// SIGXFSZ unless it is ignored; ignored, the write fails with EFBIG and is
// reported like a full disk. The programs call this at start-up.
void ignore_file_size_signal();

// Whether the two paths name the same existing file (same device and inode).
bool same_file(const std::string& a, const std::string& b);

}  // namespace vantor
