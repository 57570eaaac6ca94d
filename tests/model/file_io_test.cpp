#include "model/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <fstream>

#include "model/file_error.h"

namespace vantor {
namespace {

namespace fs = std::filesystem;

class AtomicFile : public testing::Test {
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

TEST_F(AtomicFile, CreatesAndReplacesKeepingThePermissions) {
    const std::string target = path("m.bgf");
    write_file_atomically(target, "first");
    EXPECT_EQ(read_whole_file(target), "first");

    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    write_file_atomically(target, std::string("second\0\r\n", 9));
    EXPECT_EQ(read_whole_file(target), std::string("second\0\r\n", 9));
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(files_in_folder(), 1u);  // no temporary file left behind
}

TEST_F(AtomicFile, WritesThroughALinkToItsFile) {
    const std::string real = path("real.bgf");
    const std::string link = path("link.bgf");
    write_file_atomically(real, "old");
    fs::create_symlink(real, link);
    write_file_atomically(link, "new");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(read_whole_file(real), "new");
}

TEST_F(AtomicFile, AFailedWriteLeavesTheOldFileWholeAndSaysWhy) {
    const std::string target = path("m.bgf");
    write_file_atomically(target, "the old model");

    // A file-size limit makes the write itself fail, even for root.
    rlimit old_limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old_limit), 0);
    auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old_limit;
    small.rlim_cur = 4;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    bool threw = false;
    std::string message;
    try {
        write_file_atomically(target, std::string(4096, 'x'));
    } catch (const FileError& e) {
        threw = true;
        message = e.what();
    }
    setrlimit(RLIMIT_FSIZE, &old_limit);
    std::signal(SIGXFSZ, old_handler);

    EXPECT_TRUE(threw);
    EXPECT_NE(message.find(target), std::string::npos) << message;
    EXPECT_EQ(read_whole_file(target), "the old model");
    EXPECT_EQ(files_in_folder(), 1u);
}

TEST_F(AtomicFile, ReportsFoldersAndMissingPaths) {
    EXPECT_THROW(write_file_atomically(path("no/such/folder/m.bgf"), "x"), FileError);
    EXPECT_THROW(write_file_atomically(dir_.string(), "x"), FileError);
    EXPECT_THROW(read_whole_file(dir_.string()), FileError);
    EXPECT_THROW(read_whole_file(path("missing.bgf")), FileError);
    EXPECT_TRUE(fs::is_directory(dir_));
}

}  // namespace
}  // namespace vantor
