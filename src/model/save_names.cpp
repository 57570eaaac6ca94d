#include "model/save_names.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <random>
#include <string_view>

#include "model/file_saving.h"

namespace vantor {
namespace {

constexpr std::string_view kTemporarySuffix = ".vantor-save";
// Room that the writer's process number and the random part take after the
// prefix: "-" is in the prefix, then up to 10 digits, "-" and 6 characters.
constexpr long kUniquePartLength = 17;
constexpr std::size_t kRandomLength = 6;
// A named temporary file lives only from its naming to its rename; one this
// old whose writer is gone was left by a kill. The age guards against a writer
// of another machine or container, whose process number means nothing here.
constexpr std::time_t kLeftoverAgeSeconds = 600;

std::string random_part() {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937_64 rng(std::random_device{}() ^
                                     (static_cast<std::uint64_t>(::getpid()) << 32));
    std::string part(kRandomLength, 'a');
    for (char& c : part) c = kLetters[rng() % (sizeof kLetters - 1)];
    return part;
}

bool writer_gone(std::string_view pid_text) {
    if (pid_text.empty() || pid_text.size() > 10) return false;
    long long pid = 0;
    for (const char c : pid_text) {
        if (c < '0' || c > '9') return false;
        pid = pid * 10 + (c - '0');
    }
    if (pid <= 0 || pid > 0x7fffffff) return false;
    return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

std::uint64_t fnv1a(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

}  // namespace

std::string unique_name(const std::string& prefix) {
    return prefix + std::to_string(::getpid()) + "-" + random_part();
}

void remove_leftovers(const std::string& folder, const std::string& prefix) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) return;
    const std::time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name(entry->d_name);
        if (!name.starts_with(prefix)) continue;
        const std::string_view rest = name.substr(prefix.size());
        const std::size_t dash = rest.find('-');
        if (dash == std::string_view::npos || rest.size() - dash - 1 != kRandomLength) continue;
        struct stat st {};
        if (::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
        if (!S_ISREG(st.st_mode) || now - st.st_mtime < kLeftoverAgeSeconds) continue;
        if (!writer_gone(rest.substr(0, dash))) continue;
        ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

std::string temporary_save_prefix(const std::string& target_name, long name_max) {
    const std::string prefix = "." + target_name + std::string(kTemporarySuffix) + "-";
    if (static_cast<long>(prefix.size()) + kUniquePartLength <= name_max) return prefix;
    // Too long for the file system: a short prefix that the same target always gets.
    char hash[17];
    std::snprintf(hash, sizeof hash, "%016llx",
                  static_cast<unsigned long long>(fnv1a(target_name)));
    return std::string(kTemporarySuffix) + "-" + hash + "-";
}

}  // namespace vantor
