#include "model/file_reading.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "model/file_error.h"

namespace vantor {
namespace {

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

struct Opened {
    int fd = -1;
    int error = 0;
};

// O_NONBLOCK: opening a FIFO must not wait for a writer; the check below then
// refuses it. The check is made on the opened descriptor, so nothing can be
// swapped in between.
Opened open_for_reading(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    return {fd, fd < 0 ? errno : 0};
}

std::string read_opened(const std::string& path, int fd, std::size_t limit) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) throw FileError(path, "cannot read: " + system_error_text(errno));
    if (S_ISDIR(st.st_mode)) throw FileError(path, "cannot read: it is a folder");
    if (!S_ISREG(st.st_mode)) throw FileError(path, "not a regular file");
    const std::string too_large = "the file is larger than the limit of " + size_limit_text(limit);
    if (static_cast<std::size_t>(st.st_size) > limit) throw FileError(path, too_large);

    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            throw FileError(path, "cannot read: " + system_error_text(errno));
        }
        if (n == 0) break;
        // The file may grow while it is read.
        if (bytes.size() + static_cast<std::size_t>(n) > limit) throw FileError(path, too_large);
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return bytes;
}

}  // namespace

std::string read_whole_file(const std::string& path, std::size_t limit) {
    const Opened opened = open_for_reading(path);
    if (opened.fd < 0) {
        throw FileError(path, "cannot open for reading: " + system_error_text(opened.error));
    }
    const Descriptor fd(opened.fd);
    return read_opened(path, fd.get(), limit);
}

std::optional<std::string> read_file_if_present(const std::string& path, std::size_t limit) {
    const Opened opened = open_for_reading(path);
    if (opened.fd < 0) {
        if (opened.error == ENOENT) return std::nullopt;
        throw FileError(path, "cannot open for reading: " + system_error_text(opened.error));
    }
    const Descriptor fd(opened.fd);
    return read_opened(path, fd.get(), limit);
}

std::string size_limit_text(std::size_t limit) {
    return std::to_string(limit >> 20) + " MB";
}

}  // namespace vantor
