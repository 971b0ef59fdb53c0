#include "support/regular_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "tests/common/test_support.h"

using namespace tocko;
namespace fs = std::filesystem;

TEST(RegularFile, ReadsOnlyRegularFilesUpToTheCapAndSetsAsideWhatItCannotRead) {
    const fs::path dir = fs::path(test::isolatedHome()) / "regular";  // removed with the test home
    fs::remove_all(dir);
    fs::create_directories(dir);
    std::ofstream(dir / "small") << "twelve bytes";
    std::ofstream(dir / "empty").close();
    ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", dir / "zero");
    fs::create_symlink(dir / "small", dir / "link");
    fs::create_symlink(dir / "nowhere", dir / "dangling");

    EXPECT_EQ(readRegularFile(dir / "small", 12).bytes, "twelve bytes");
    EXPECT_EQ(readRegularFile(dir / "link", 12).bytes, "twelve bytes");  // links to regular files are fine
    EXPECT_EQ(readRegularFile(dir / "small", 11).status, FileStatus::tooLarge);
    const FileContents empty = readRegularFile(dir / "empty", 12);
    EXPECT_EQ(empty.status, FileStatus::ok);
    EXPECT_EQ(empty.bytes, "");
    EXPECT_EQ(readRegularFile(dir / "fifo", 1 << 20).status, FileStatus::notRegular);
    EXPECT_EQ(readRegularFile(dir / "zero", 1 << 20).status, FileStatus::notRegular);
    EXPECT_EQ(readRegularFile(dir, 1 << 20).status, FileStatus::notRegular);
    EXPECT_EQ(readRegularFile(dir / "missing", 12).status, FileStatus::missing);
    EXPECT_EQ(readRegularFile(dir / "dangling", 12).status, FileStatus::missing);

    // Unusable files are set aside for libraries that open them blindly.
    const std::string conf = dir / "Tocko.conf";
    std::ofstream(conf) << "[General]\n";
    EXPECT_EQ(setAsideUnusableFile(conf, 1024), "");
    EXPECT_TRUE(fs::is_regular_file(conf));
    EXPECT_EQ(setAsideUnusableFile(dir / "missing.conf", 1024), "");

    fs::remove(conf);
    ASSERT_EQ(mkfifo(conf.c_str(), 0600), 0);
    EXPECT_EQ(setAsideUnusableFile(conf, 1024), conf + ".invalid");
    EXPECT_FALSE(fs::exists(conf));
    EXPECT_TRUE(fs::is_fifo(conf + ".invalid"));

    fs::create_symlink("/dev/zero", conf);
    EXPECT_EQ(setAsideUnusableFile(conf, 1024), conf + ".invalid");
    EXPECT_TRUE(fs::is_symlink(conf + ".invalid"));

    std::ofstream(conf) << std::string(2000, 'x');
    EXPECT_EQ(setAsideUnusableFile(conf, 1024), conf + ".invalid");
}
