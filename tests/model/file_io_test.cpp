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

namespace vantor {
namespace {

namespace fs = std::filesystem;

class Files : public testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::path(testing::TempDir()) /
               ("atomic_" +
                std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const char* name) const { return (dir_ / name).string(); }
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

TEST_F(Files, CreatesAndReplacesKeepingThePermissions) {
    const std::string target = path("m.bgf");
    save_file(target, "first");
    EXPECT_EQ(read_whole_file(target), "first");

    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    save_file(target, std::string("second\0\r\n", 9));
    EXPECT_EQ(read_whole_file(target), std::string("second\0\r\n", 9));
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(files_in_folder(), 1u);  // no temporary file left behind
}

// Bytes made while they are written replace the target only when the
// producer says so; a producer that gives up leaves the old file and no
// temporary one.
TEST_F(Files, StreamedBytesReplaceTheTargetOnlyWhenKept) {
    const std::string target = path("run.csv");
    save_file(target, "old");
    const auto stream = [&](bool keep) {
        save_file_streamed(target, [keep](const ByteWriter& write) {
            for (int k = 0; k < 3; ++k) write("row " + std::to_string(k) + "\n");
            return keep;
        });
    };
    stream(false);
    EXPECT_EQ(read_whole_file(target), "old");
    stream(true);
    EXPECT_EQ(read_whole_file(target), "row 0\nrow 1\nrow 2\n");
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

TEST_F(Files, ReportsFoldersAndMissingPaths) {
    EXPECT_THROW(save_file(path("no/such/folder/m.bgf"), "x"), FileError);
    EXPECT_THROW(save_file(dir_.string(), "x"), FileError);
    EXPECT_THROW(read_whole_file(dir_.string()), FileError);
    EXPECT_THROW(read_whole_file(path("missing.bgf")), FileError);
    EXPECT_TRUE(fs::is_directory(dir_));
}

TEST_F(Files, ReadOnlyTargetsAreRefusedAndKept) {
    const std::string target = path("locked.bgf");
    save_file(target, "kept");
    fs::permissions(target, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(error_of([&] { save_file(target, "lost"); }),
              target + ": cannot write: the file is read-only");
    EXPECT_EQ(read_whole_file(target), "kept");
    EXPECT_EQ(files_in_folder(), 1u);
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
    for (const auto& entry : fs::directory_iterator(dir_)) {
        EXPECT_FALSE(entry.path().filename().string().starts_with(".")) << entry.path();
    }
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
    const std::string dead_old = path(".m.bgf.vantor-save-2147483646-abcdef");
    const std::string dead_new = path(".m.bgf.vantor-save-2147483646-ghijkl");
    const std::string alive_old =
        path((".m.bgf.vantor-save-" + std::to_string(::getpid()) + "-mnopqr").c_str());
    const std::string other_target = path(".n.bgf.vantor-save-2147483646-abcdef");
    for (const std::string& file : {dead_old, dead_new, alive_old, other_target}) {
        save_file(file, "half");
    }
    set_age(dead_old, 3600);
    set_age(alive_old, 3600);
    set_age(other_target, 3600);
    save_file(target, "new");
    EXPECT_EQ(read_whole_file(target), "new");
    EXPECT_FALSE(fs::exists(dead_old));
    EXPECT_TRUE(fs::exists(dead_new));
    EXPECT_TRUE(fs::exists(alive_old));
    EXPECT_TRUE(fs::exists(other_target));
    EXPECT_EQ(files_in_folder(), 4u);
}

TEST_F(Files, LongNamesFit) {
    // 250 bytes is a legal name; with the temporary suffix it would not be.
    const std::string long_name(250, 'n');
    save_file(path(long_name.c_str()), "long");
    save_file(path(long_name.c_str()), "longer");
    EXPECT_EQ(read_whole_file(path(long_name.c_str())), "longer");
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
        std::atomic<int> ready = 0;
        std::atomic<int> errors = 0;
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
    EXPECT_TRUE(same_file(real, path("link.bgf")));
    EXPECT_TRUE(same_file(real, dir_.string() + "/./real.bgf"));
    save_file(path("other.bgf"), "new");
    EXPECT_FALSE(same_file(real, path("other.bgf")));
    EXPECT_FALSE(same_file(real, path("missing.bgf")));
}

TEST_F(Files, SupportFilesOverTheLimitAreRefused) {
    const std::string big = path("big.dat");
    save_file(big, std::string(kSupportFileLimit + 1, 'x'));
    EXPECT_EQ(error_of([&] { read_whole_file(big, kSupportFileLimit); }),
              big + ": the file is larger than the limit of 1 MB");
    EXPECT_EQ(read_whole_file(big).size(), kSupportFileLimit + 1);  // a model may be larger
}

}  // namespace
}  // namespace vantor
