#include "model/file_saving.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <system_error>

#include "model/file_error.h"
#include "model/save_names.h"

namespace vantor {
namespace {

namespace fs = std::filesystem;

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

[[noreturn]] void fail(const std::string& path, const std::string& what, int errnum) {
    throw FileError(path, what + ": " + system_error_text(errnum));
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

// As editors do, a file without write permission is not replaced, even by
// root, whom the system would let.
bool read_only(const std::string& path, const struct stat& st) {
    if ((st.st_mode & 0222) == 0) return true;
    return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0 && errno == EACCES;
}

void sync_folder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);  // best effort: the rename is already done
        ::close(fd);
    }
}

// Gives a producer a writer into `fd` that remembers the first failure.
class FdWriter {
  public:
    explicit FdWriter(int fd) : fd_(fd) {}
    bool operator()(std::string_view bytes) {
        if (error_ == 0 && !write_all(fd_, bytes)) error_ = errno != 0 ? errno : EIO;
        return error_ == 0;
    }
    int error() const { return error_; }

  private:
    int fd_;
    int error_ = 0;
};

// Devices, FIFOs and sockets take the bytes as a stream: there is nothing to
// replace atomically, and replacing them would break what they are.
// Returns false, having written nothing, when the path turned out to be a
// regular file.
bool write_into(const std::string& path, const ByteProducer& produce) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) fail(path, "cannot write", errno);
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        // A regular file was put in its place meanwhile: that one is replaced whole.
        ::close(fd);
        return false;
    }
    FdWriter writer(fd);
    try {
        produce(std::ref(writer));
    } catch (...) {
        ::close(fd);
        throw;
    }
    ::close(fd);
    if (writer.error() != 0) fail(path, "cannot write", writer.error());
    return true;
}

// The temporary file of one save. It is created nameless where the file
// system allows (O_TMPFILE), so a kill before it is named leaves nothing; it
// gets a name of its own only after it is written whole and synced, just
// before it is renamed over the target.
class TemporaryFile {
  public:
    TemporaryFile(std::string folder, std::string prefix)
        : folder_(std::move(folder)), prefix_(std::move(prefix)) {}
    ~TemporaryFile() {
        if (fd_ >= 0) ::close(fd_);
        if (named_ && !renamed_) ::unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    // Returns 0 or the errno of the failure.
    int create() {
        fd_ = ::open(folder_.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
        if (fd_ >= 0) return 0;
        if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) return errno;
        return create_named();
    }

    int fd() const { return fd_; }

    // Gives the written file its name and closes it.
    int name_and_close() {
        if (!named_ && link_nameless() != 0) return errno;
        const int rc = ::close(fd_);
        fd_ = -1;
        return rc == 0 ? 0 : errno;
    }

    int rename_to(const std::string& target) {
        if (::rename(path_.c_str(), target.c_str()) != 0) return errno;
        renamed_ = true;
        return 0;
    }

  private:
    static constexpr int kAttempts = 100;

    // The fallback: a named file from the start, under a name nobody holds.
    int create_named() {
        for (int attempt = 0; attempt < kAttempts; ++attempt) {
            path_ = folder_ + "/" + unique_name(prefix_);
            fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
            if (fd_ >= 0) {
                named_ = true;
                return 0;
            }
            if (errno != EEXIST) return errno;
        }
        return EEXIST;
    }

    int link_nameless() {
        for (int attempt = 0; attempt < kAttempts; ++attempt) {
            path_ = folder_ + "/" + unique_name(prefix_);
            if (link_once() == 0) {
                named_ = true;
                return 0;
            }
            if (errno != EEXIST) return -1;
        }
        errno = EEXIST;
        return -1;
    }

    int link_once() const {
        char proc_path[64];
        std::snprintf(proc_path, sizeof proc_path, "/proc/self/fd/%d", fd_);
        if (::linkat(AT_FDCWD, proc_path, AT_FDCWD, path_.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return 0;
        if (errno != ENOENT) return -1;
        // Without /proc only a process that may read any file can name it.
        return ::linkat(fd_, "", AT_FDCWD, path_.c_str(), AT_EMPTY_PATH);
    }

    std::string folder_;
    std::string prefix_;
    std::string path_;
    int fd_ = -1;
    bool named_ = false;
    bool renamed_ = false;
};

void replace_regular_file(const std::string& path, const struct stat* old_file,
                          const ByteProducer& produce) {
    const fs::path target = final_target(path);
    const std::string name = target.filename().string();
    if (name.empty() || name == "." || name == "..") {
        throw FileError(path, "cannot write: the path names no file");
    }
    const std::string folder =
        target.parent_path().empty() ? std::string(".") : target.parent_path().string();
    const long name_max = ::pathconf(folder.c_str(), _PC_NAME_MAX);

    const std::string prefix = temporary_save_prefix(name, name_max > 0 ? name_max : 255);
    remove_leftovers(folder, prefix);
    TemporaryFile temp(folder, prefix);
    if (const int error = temp.create(); error != 0) fail(path, "cannot write", error);
    if (old_file != nullptr) {
        ::fchmod(temp.fd(), old_file->st_mode & 07777);
        // Keeps the owner where the system allows it (root saving a user's file).
        if (::fchown(temp.fd(), old_file->st_uid, old_file->st_gid) != 0) {
            // Not allowed: the file becomes the saver's, as with any editor.
        }
    } else {
        ::fchmod(temp.fd(), 0666 & ~current_umask());
    }
    FdWriter writer(temp.fd());
    const bool keep = produce(std::ref(writer));
    if (writer.error() != 0) fail(path, "cannot write", writer.error());
    if (!keep) return;  // the temporary file goes; the target stays as it was
    if (::fsync(temp.fd()) != 0) fail(path, "cannot write", errno);
    if (const int error = temp.name_and_close(); error != 0) fail(path, "cannot write", error);
    if (const int error = temp.rename_to(target.string()); error != 0) {
        fail(path, "cannot replace the file", error);
    }
    sync_folder(folder);
}

}  // namespace

void save_file(const std::string& path, std::string_view bytes) {
    save_file_streamed(path, [bytes](const ByteWriter& write) {
        write(bytes);
        return true;
    });
}

void save_file_streamed(const std::string& path, const ByteProducer& produce) {
    if (path.empty()) throw FileError(path, "cannot write: the path names no file");
    struct stat st {};
    const bool exists = ::stat(path.c_str(), &st) == 0;
    const int stat_error = errno;
    if (!exists && ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        // Writing would put a regular file in the link's place (or at its
        // target's name, which the user never gave): neither is wanted.
        if (stat_error == ELOOP) fail(path, "cannot write", ELOOP);
        throw FileError(path, "cannot write: the link leads to no file");
    }
    if (!exists) {
        replace_regular_file(path, nullptr, produce);
        return;
    }
    if (S_ISDIR(st.st_mode)) throw FileError(path, "cannot write: it is a folder");
    if (S_ISBLK(st.st_mode)) throw FileError(path, "cannot write: it is a block device");
    if (!S_ISREG(st.st_mode)) {
        if (write_into(path, produce)) return;
        if (::stat(path.c_str(), &st) != 0) fail(path, "cannot write", errno);
    }
    if (read_only(path, st)) throw FileError(path, "cannot write: the file is read-only");
    replace_regular_file(path, &st, produce);
}

void check_can_save(const std::string& path) {
    if (path.empty()) throw FileError(path, "cannot write: the path names no file");
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        const int stat_error = errno;
        if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
            if (stat_error == ELOOP) fail(path, "cannot write", ELOOP);
            throw FileError(path, "cannot write: the link leads to no file");
        }
        if (stat_error != ENOENT) fail(path, "cannot write", stat_error);
    } else {
        if (S_ISDIR(st.st_mode)) throw FileError(path, "cannot write: it is a folder");
        if (S_ISBLK(st.st_mode)) throw FileError(path, "cannot write: it is a block device");
        if (!S_ISREG(st.st_mode)) return;  // written into; whether it takes the bytes shows then
        if (read_only(path, st)) throw FileError(path, "cannot write: the file is read-only");
    }
    // The temporary file is made in the target's folder.
    const fs::path target = final_target(path);
    const std::string folder =
        target.parent_path().empty() ? std::string(".") : target.parent_path().string();
    if (::access(folder.c_str(), W_OK | X_OK) != 0) fail(path, "cannot write", errno);
}

void ignore_file_size_signal() {
    std::signal(SIGXFSZ, SIG_IGN);
}

bool same_file(const std::string& a, const std::string& b) {
    struct stat sa {};
    struct stat sb {};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

}  // namespace vantor
