#include "model/file_reading.h"
#include "model/file_saving.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <future>
#include <thread>
#include <vector>

#include "model/file_error.h"
#include "test_scratch.h"

namespace vantor {
namespace {

namespace fs = std::filesystem;

class Files : public testing::Test {
  protected:
    void SetUp() override {
        // Two builds may run this test at once: the folder is the process's own.
        dir_ = test::scratch_dir();
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    std::size_t files_in_folder() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), {}));
    }

    fs::path dir_;
};

// The message of the FileError that `action` throws.
template <class Action>
std::string error_of(Action action) {
    try {
        action();
    } catch (const FileError& e) {
        return e.what();
    }
    return "no error";
}

// A save replaces the file whole and keeps its permissions; bytes streamed
// while they are made replace it only when the producer keeps them, and no
// temporary file stays either way.
TEST_F(Files, SavesReplaceWholeKeepingThePermissions) {
    const std::string target = path("m.bgf");
    save_file(target, "first");
    const auto perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(target, perms);
    save_file(target, std::string("second\0\r\n", 9));
    EXPECT_EQ(read_whole_file(target), std::string("second\0\r\n", 9));
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all, perms);
    for (const bool keep : {false, true}) {
        save_file_streamed(target, [keep](const ByteWriter& write) {
            for (int k = 0; k < 3; ++k) write("row " + std::to_string(k) + "\n");
            return keep;
        });
        EXPECT_EQ(read_whole_file(target),
                  keep ? "row 0\nrow 1\nrow 2\n" : std::string("second\0\r\n", 9));
    }
    EXPECT_EQ(files_in_folder(), 1u);
}

TEST_F(Files, AFailedWriteLeavesTheOldFileWholeAndSaysWhy) {
    const std::string target = path("m.bgf");
    save_file(target, "the old model");

    // A file-size limit makes the write itself fail, even for root.
    rlimit old_limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old_limit), 0);
    auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old_limit;
    small.rlim_cur = 4;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string message = error_of([&] { save_file(target, std::string(4096, 'x')); });
    setrlimit(RLIMIT_FSIZE, &old_limit);
    std::signal(SIGXFSZ, old_handler);

    EXPECT_NE(message.find(target), std::string::npos) << message;
    EXPECT_EQ(read_whole_file(target), "the old model");
    EXPECT_EQ(files_in_folder(), 1u);
}

// Refusals name the file and leave what is there; a support file has a
// limit that a model has not.
TEST_F(Files, RefusalsSayWhyAndKeepTheFiles) {
    const std::string locked = path("locked.bgf"), big = path("big.dat");
    save_file(locked, "kept");
    fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    save_file(big, std::string(kSupportFileLimit + 1, 'x'));
    const std::string read_only = locked + ": cannot write: the file is read-only";
    EXPECT_EQ(error_of([&] { save_file(locked, "lost"); }), read_only);
    EXPECT_EQ(error_of([&] { check_can_save(locked); }), read_only);  // before a command writes
    EXPECT_EQ(error_of([&] { read_whole_file(big, kSupportFileLimit); }),
              big + ": the file is larger than the limit of 1 MB");
    EXPECT_EQ(read_whole_file(big).size(), kSupportFileLimit + 1);
    EXPECT_EQ(read_whole_file(locked), "kept");
    for (const std::string& bad : {dir_.string(), path("missing.bgf")})
        EXPECT_NE(error_of([&] { read_whole_file(bad); }), "no error") << bad;
    for (const std::string& bad : {dir_.string(), path("no/such/folder/m.bgf")})
        EXPECT_NE(error_of([&] { save_file(bad, "x"); }), "no error") << bad;
    EXPECT_EQ(files_in_folder(), 2u);
}

// Devices and FIFOs are written into; replacing them would turn them into
// regular files.
TEST_F(Files, SpecialTargetsAreWrittenIntoNeverReplaced) {
    const std::string fifo = path("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    auto reader = std::async(std::launch::async, [&] {
        std::ifstream in(fifo, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    });
    save_file(fifo, "through the pipe\r\n");
    EXPECT_EQ(reader.get(), "through the pipe\r\n");
    EXPECT_TRUE(fs::is_fifo(fifo));

    // A private null device, as /dev/null is (needs the right to make one).
    const std::string null_device = path("null");
    if (::mknod(null_device.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
        save_file(null_device, "gone");
        EXPECT_TRUE(fs::is_character_file(null_device));
    }
    for (const auto& entry : fs::directory_iterator(dir_))
        EXPECT_FALSE(entry.path().filename().string().starts_with(".")) << entry.path();
}

void set_age(const std::string& file, std::time_t seconds) {
    const timespec times[2] = {{std::time(nullptr) - seconds, 0},
                               {std::time(nullptr) - seconds, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
}

// A leftover goes only when its writer is gone and it is old enough that no
// running save can own it.
TEST_F(Files, LeftoversOfKilledSavesGoButNotThoseOfRunningSaves) {
    const std::string target = path("m.bgf");
    save_file(target, "old");
    // Process 0x7ffffffe hardly exists; this process does.
    const struct {
        std::string name;
        bool old, stays;
    } leftovers[] = {
        {".m.bgf.vantor-save-2147483646-abcdef", true, false},
        {".m.bgf.vantor-save-2147483646-ghijkl", false, true},
        {".m.bgf.vantor-save-" + std::to_string(::getpid()) + "-mnopqr", true, true},
        {".n.bgf.vantor-save-2147483646-abcdef", true, true},  // another target's
    };
    for (const auto& l : leftovers) {
        save_file(path(l.name), "half");
        if (l.old) set_age(path(l.name), 3600);
    }
    save_file(target, "new");
    EXPECT_EQ(read_whole_file(target), "new");
    for (const auto& l : leftovers) EXPECT_EQ(fs::exists(path(l.name)), l.stays) << l.name;
}

TEST_F(Files, LongNamesFit) {
    // 250 bytes is a legal name; with the temporary suffix it would not be.
    const std::string long_name(250, 'n'), file = path(long_name);
    save_file(file, "long");
    save_file(file, "longer");
    EXPECT_EQ(read_whole_file(file), "longer");
    EXPECT_EQ(files_in_folder(), 1u);
    EXPECT_NE(temporary_save_prefix(long_name), temporary_save_prefix(long_name + "x"));
}

// Ten writers save one file at once, round after round, with an eleventh
// whose writing fails halfway: the file is always one writer's whole model,
// never the failed one's, no save fails and no temporary file stays.
TEST_F(Files, ConcurrentSavesNeverCollide) {
    const std::string target = path("m.bgf");
    constexpr int kWriters = 10;
    std::vector<std::string> models;
    for (int w = 0; w < kWriters; ++w) {
        models.push_back("model of writer " + std::to_string(w) + "\n" +
                         std::string(4096 + 97 * w, static_cast<char>('a' + w)));
    }
    const std::string failed = "the failed writer";
    for (int round = 0; round < 100; ++round) {
        std::atomic<int> ready = 0, errors = 0;
        std::vector<std::thread> threads;
        for (int w = 0; w <= kWriters; ++w) {
            threads.emplace_back([&, w] {
                ready.fetch_add(1);
                while (ready.load() <= kWriters) std::this_thread::yield();
                try {
                    if (w < kWriters) {
                        save_file(target, models[static_cast<std::size_t>(w)]);
                        return;
                    }
                    save_file_streamed(target, [&](const ByteWriter& write) {
                        write(failed);
                        return false;
                    });
                } catch (const FileError&) {
                    errors.fetch_add(1);
                }
            });
        }
        for (auto& thread : threads) thread.join();
        ASSERT_EQ(errors.load(), 0) << "round " << round;
        const std::string now = read_whole_file(target);
        ASSERT_NE(std::find(models.begin(), models.end(), now), models.end()) << "round " << round;
        ASSERT_EQ(files_in_folder(), 1u) << "round " << round;
    }
}

// A save through a link writes the linked file and keeps the link.
TEST_F(Files, LinksAreWrittenThroughAndTellTheSameFile) {
    const std::string real = path("real.bgf");
    save_file(real, "old");
    fs::create_symlink(real, path("link.bgf"));
    save_file(path("link.bgf"), "new");
    EXPECT_TRUE(fs::is_symlink(path("link.bgf")));
    EXPECT_EQ(read_whole_file(real), "new");
    save_file(path("other.bgf"), "new");
    for (const auto& [other, same] : {std::pair{path("link.bgf"), true},
                                      {dir_.string() + "/./real.bgf", true},
                                      {path("other.bgf"), false},
                                      {path("missing.bgf"), false}})
        EXPECT_EQ(same_file(real, other), same) << other;
}

}  // namespace
}  // namespace vantor
