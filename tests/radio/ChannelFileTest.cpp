#include "ChannelFile.h"
#include "FileWriter.h"
#include "RandomImage.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <grp.h>
#include <iterator>
#include <pwd.h>
#include <random>
#include <set>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace quorl;
namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<char>;

class ChannelFile : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(folder_);
        image_ = randomImage(1);
    }
    void TearDown() override {
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(folder_);
    }

    fs::path file(const char* name) const { return folder_ / name; }
    static Bytes contents(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void write(const fs::path& path, const Bytes& bytes) {
        std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
    }
    Bytes imageBytes() const { return {image_.begin(), image_.end()}; }
    long filesInFolder() const {
        return std::distance(fs::directory_iterator(folder_), fs::directory_iterator());
    }

    // Runs the job in a child process without root's rights (as "nobody" when the tests run
    // as root, where folder and file permissions would not apply); true when it returned true.
    static bool unprivileged(const std::function<bool()>& job) {
        const passwd* nobody = ::getpwnam("nobody");
        if (!nobody)
            return false;
        const pid_t child = ::fork();
        if (child == 0) {
            if (::geteuid() == 0 &&
                (::setgroups(0, nullptr) != 0 || ::setgid(nobody->pw_gid) != 0 ||
                 ::setuid(nobody->pw_uid) != 0))
                ::_exit(2);
            ::_exit(job() ? 0 : 1);
        }
        int status = 0;
        return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
               WEXITSTATUS(status) == 0;
    }

    const fs::path folder_ = fs::temp_directory_path() /
                             ("quorl-channel-file-" + std::to_string(std::random_device{}()));
    const Bytes old_ = Bytes(100, 'x');
    RadioImage image_;
};

} // namespace

TEST_F(ChannelFile, ImageRoundTripsAndLongerFileLoadsItsFirst8192Bytes) {
    ASSERT_TRUE(saveChannelFile(file("a.sin"), image_).ok);
    EXPECT_EQ(contents(file("a.sin")), imageBytes());
    EXPECT_EQ(filesInFolder(), 1);
    Bytes longer = imageBytes();
    longer.resize(9000, '\x42');
    write(file("long.sin"), longer);
    for (const char* name : {"a.sin", "long.sin"}) {
        RadioImage loaded{};
        EXPECT_EQ(loadChannelFile(file(name), loaded).reason, "");
        EXPECT_EQ(loaded, image_) << name;
    }
}

TEST_F(ChannelFile, ShortOrMissingFileLeavesImage) {
    for (std::size_t size : {0, 100, 8191}) {
        write(file("short.sin"), Bytes(size, '\x11'));
        RadioImage loaded = image_;
        const FileResult result = loadChannelFile(file("short.sin"), loaded);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.path, file("short.sin"));
        EXPECT_EQ(result.reason, "the file ends after " + std::to_string(size) +
                                     " bytes; a channel data file holds 8192 bytes");
        EXPECT_EQ(loaded, image_);
    }
    RadioImage loaded = image_;
    const FileResult result = loadChannelFile(file("missing.sin"), loaded);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, std::errc::no_such_file_or_directory);
    EXPECT_EQ(result.reason, result.error.message());
    EXPECT_EQ(loaded, image_);
}

// A named pipe would keep an open waiting for a writer for ever (the alarm ends the test if
// it does), and a device may act on being opened.
TEST_F(ChannelFile, WhatIsNotARegularFileIsNeitherReadNorReplaced) {
    ASSERT_EQ(::mkfifo(file("pipe.sin").c_str(), 0600), 0);
    fs::create_directory(file("folder.sin"));
    fs::create_symlink("/dev/null", file("device.sin"));
    ::alarm(10);
    for (const char* name : {"pipe.sin", "folder.sin", "device.sin"}) {
        const fs::file_type type = fs::status(file(name)).type();
        RadioImage loaded = image_;
        const FileResult read = loadChannelFile(file(name), loaded);
        EXPECT_FALSE(read.ok) << name;
        EXPECT_EQ(read.reason, "it is not a regular file") << name;
        EXPECT_EQ(loaded, image_) << name;
        EXPECT_FALSE(saveChannelFile(file(name), image_).ok) << name;
        EXPECT_EQ(fs::status(file(name)).type(), type) << name;
    }
    ::alarm(0);
    EXPECT_EQ(filesInFolder(), 3);
}

// A log's lines: each added at the end of what is there, and only to a regular file.
TEST_F(ChannelFile, AppendAddsToTheEndAndOnlyOfARegularFile) {
    ASSERT_TRUE(appendToFile(file("log.csv"), "first\n").ok);
    ASSERT_TRUE(appendToFile(file("log.csv"), "second\n").ok);
    const std::string expected = "first\nsecond\n";
    EXPECT_EQ(contents(file("log.csv")), Bytes(expected.begin(), expected.end()));

    ASSERT_EQ(::mkfifo(file("pipe.csv").c_str(), 0600), 0);
    fs::create_directory(file("folder.csv"));
    fs::create_symlink("/dev/null", file("device.csv"));
    ::alarm(10);
    for (const char* name : {"pipe.csv", "folder.csv", "device.csv"}) {
        const fs::file_type type = fs::status(file(name)).type();
        const FileResult added = appendToFile(file(name), "line\n");
        EXPECT_FALSE(added.ok) << name;
        EXPECT_EQ(added.reason, "it is not a regular file") << name;
        EXPECT_EQ(fs::status(file(name)).type(), type) << name;
    }
    ::alarm(0);
}

TEST_F(ChannelFile, SaveReplacesOldFileKeepingItsPermissionsAndLinks) {
    write(file("old.sin"), old_);
    const auto readWrite = fs::perms::owner_read | fs::perms::owner_write;
    fs::permissions(file("old.sin"), readWrite);
    fs::create_symlink("old.sin", file("link.sin"));
    ASSERT_TRUE(saveChannelFile(file("link.sin"), image_).ok);
    EXPECT_TRUE(fs::is_symlink(file("link.sin")));
    EXPECT_EQ(contents(file("old.sin")), imageBytes());
    EXPECT_EQ(fs::status(file("old.sin")).permissions(), readWrite);
    EXPECT_EQ(filesInFolder(), 2);
}

// Through every link to the file the last one names, which is created; the links stay.
TEST_F(ChannelFile, SaveThroughDanglingLinksCreatesTheirTarget) {
    fs::create_directory(file("sub"));
    fs::create_symlink("sub/new.sin", file("first.sin"));
    fs::create_symlink(file("first.sin"), file("second.sin"));
    ASSERT_TRUE(saveChannelFile(file("second.sin"), image_).ok);
    EXPECT_TRUE(fs::is_symlink(file("first.sin")));
    EXPECT_TRUE(fs::is_symlink(file("second.sin")));
    EXPECT_EQ(contents(file("sub/new.sin")), imageBytes());

    fs::create_symlink("missing/new.sin", file("nowhere.sin"));
    fs::create_symlink("loop.sin", file("loop.sin"));
    for (const char* name : {"nowhere.sin", "loop.sin"}) {
        const FileResult result = saveChannelFile(file(name), image_);
        EXPECT_FALSE(result.ok) << name;
        EXPECT_FALSE(result.reason.empty()) << name;
        EXPECT_TRUE(fs::is_symlink(file(name))) << name;
    }
    EXPECT_EQ(filesInFolder(), 5);
}

// A folder that takes no new file: a file we may write is written in place, keeping its
// permissions; one we may not write, or a new one, is refused.
TEST_F(ChannelFile, ReadOnlyFolderSavesInPlaceWhereTheFileAllowsIt) {
    const auto everyone = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                          fs::perms::group_write | fs::perms::others_read | fs::perms::others_write;
    Bytes longer = old_;
    longer.resize(9000, 'x');
    write(file("open.sin"), longer);
    fs::permissions(file("open.sin"), everyone);
    write(file("closed.sin"), old_);
    fs::permissions(file("closed.sin"), fs::perms::owner_read | fs::perms::others_read);
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec |
                                 fs::perms::others_read | fs::perms::others_exec);

    EXPECT_TRUE(unprivileged([&] { return saveChannelFile(file("open.sin"), image_).ok; }));
    EXPECT_EQ(contents(file("open.sin")), imageBytes());
    EXPECT_EQ(fs::status(file("open.sin")).permissions(), everyone);
    EXPECT_TRUE(unprivileged([&] {
        return !saveChannelFile(file("closed.sin"), image_).ok &&
               !saveChannelFile(file("new.sin"), image_).ok;
    }));
    EXPECT_EQ(contents(file("closed.sin")), old_);
    EXPECT_EQ(filesInFolder(), 2);
}

// A write that fails part-way (here at the file size limit, as on a full disk) leaves the
// old file as it was and no temporary file behind.
TEST_F(ChannelFile, FailedWriteKeepsOldFile) {
    write(file("old.sin"), old_);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 4096;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    const FileResult result = saveChannelFile(file("old.sin"), image_);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, std::errc::file_too_large);
    EXPECT_EQ(contents(file("old.sin")), old_);
    EXPECT_EQ(filesInFolder(), 1);
}

// A save that was killed leaves its temporary file behind; the next save to that file removes
// it, but not one that a save under way holds, nor what belongs to another file or program.
TEST_F(ChannelFile, SaveRemovesTemporaryFilesThatKilledSavesLeft) {
    const std::set<std::string> kept{"a.sin.5.tmp", "b.sin.6.tmp", "xa.sin.7.tmp", "a.sin.tmp",
                                     "a.sin.8x.tmp"};
    for (const char* name : {"a.sin.77.tmp", "a.sin.123456789.tmp"})
        write(file(name), old_);
    for (const std::string& name : kept)
        write(folder_ / name, old_);
    const int underWay = ::open(file("a.sin.5.tmp").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(underWay, LOCK_EX), 0);
    const FileResult saved = saveChannelFile(file("a.sin"), image_);
    ::close(underWay);

    ASSERT_TRUE(saved.ok);
    std::set<std::string> left;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder_))
        left.insert(entry.path().filename());
    std::set<std::string> expected = kept;
    expected.insert("a.sin");
    EXPECT_EQ(left, expected);
}
