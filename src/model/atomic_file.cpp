#include "model/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "model/file_error.h"

namespace vantor {
namespace {

namespace fs = std::filesystem;

// Closes and, unless it was committed, removes the temporary file.
class TemporaryFile {
  public:
    explicit TemporaryFile(std::string pattern) : path_(std::move(pattern)) {
        fd_ = ::mkstemp(path_.data());
    }
    ~TemporaryFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!committed_) ::unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int fd() const { return fd_; }
    const std::string& path() const { return path_; }
    int close_now() {
        const int rc = ::close(fd_);
        fd_ = -1;
        return rc;
    }
    void commit() { committed_ = true; }

  private:
    std::string path_;
    int fd_ = -1;
    bool committed_ = false;
};

bool write_all(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Where the bytes really go: the file a link points at, else the path itself.
fs::path final_target(const std::string& path) {
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(path, ec))) {
        const fs::path resolved = fs::weakly_canonical(path, ec);
        if (!ec) return resolved;
    }
    return fs::path(path);
}

mode_t current_umask() {
    const mode_t mask = ::umask(0);  // the only way to read it is to set it
    ::umask(mask);
    return mask;
}

void sync_folder(const fs::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);  // best effort: the rename is already done
        ::close(fd);
    }
}

}  // namespace

std::string read_whole_file(const std::string& path) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) throw FileError(path, "cannot read: it is a folder");
    std::ifstream in(path, std::ios::binary);
    if (!in) throw FileError(path, "cannot open for reading: " + system_error_text(errno));
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw FileError(path, "cannot read: " + system_error_text(errno));
    return bytes;
}

void write_file_atomically(const std::string& path, std::string_view bytes) {
    const fs::path target = final_target(path);
    const fs::path folder = target.parent_path();
    const std::string name = target.filename().string();
    if (name.empty()) throw FileError(path, "cannot write: the path names no file");

    std::error_code ec;
    if (fs::is_directory(target, ec)) throw FileError(path, "cannot write: it is a folder");

    TemporaryFile temp((folder / ("." + name + ".tmp-XXXXXX")).string());
    if (temp.fd() < 0) throw FileError(path, "cannot write: " + system_error_text(errno));

    struct stat old_file {};
    if (::stat(target.c_str(), &old_file) == 0)
        ::fchmod(temp.fd(), old_file.st_mode & 07777);
    else
        ::fchmod(temp.fd(), 0666 & ~current_umask());

    if (!write_all(temp.fd(), bytes) || ::fsync(temp.fd()) != 0 || temp.close_now() != 0) {
        throw FileError(path, "cannot write: " + system_error_text(errno));
    }
    if (::rename(temp.path().c_str(), target.c_str()) != 0) {
        throw FileError(path, "cannot replace the file: " + system_error_text(errno));
    }
    temp.commit();
    sync_folder(folder);
}

}  // namespace vantor
