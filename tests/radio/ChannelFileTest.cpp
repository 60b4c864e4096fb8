#include "ChannelFile.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <iterator>
#include <random>
#include <sys/resource.h>

using namespace quorl;
namespace fs = std::filesystem;

namespace {

class ChannelFile : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("quorl-channel-file-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder_);
        std::mt19937 random(1);
        for (auto& b : image_)
            b = static_cast<std::uint8_t>(random());
    }
    void TearDown() override {
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(folder_);
    }

    fs::path file(const char* name) const { return folder_ / name; }

    std::vector<char> contents(const fs::path& path) const {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    void write(const fs::path& path, const std::vector<char>& bytes) const {
        std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
    }
    std::vector<char> imageBytes() const { return {image_.begin(), image_.end()}; }
    std::size_t filesInFolder() const {
        return std::distance(fs::directory_iterator(folder_), fs::directory_iterator());
    }

    fs::path folder_;
    RadioImage image_;
};

} // namespace

TEST_F(ChannelFile, ImageRoundTripsByteForByte) {
    ASSERT_TRUE(saveChannelFile(file("a.sin"), image_).ok);
    EXPECT_EQ(contents(file("a.sin")), imageBytes());
    RadioImage loaded{};
    const FileResult result = loadChannelFile(file("a.sin"), loaded);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.reason, "");
    EXPECT_EQ(loaded, image_);
    EXPECT_EQ(filesInFolder(), 1u);
}

TEST_F(ChannelFile, LongerFileLoadsItsFirst8192Bytes) {
    std::vector<char> bytes = imageBytes();
    bytes.resize(9000, '\x42');
    write(file("long.sin"), bytes);
    RadioImage loaded{};
    EXPECT_TRUE(loadChannelFile(file("long.sin"), loaded).ok);
    EXPECT_EQ(loaded, image_);
}

TEST_F(ChannelFile, ShortOrMissingFileLeavesImage) {
    for (std::size_t size : {0, 100, 8191}) {
        write(file("short.sin"), std::vector<char>(size, '\x11'));
        RadioImage loaded = image_;
        const FileResult result = loadChannelFile(file("short.sin"), loaded);
        EXPECT_FALSE(result.ok);
        EXPECT_NE(result.reason.find("short.sin"), std::string::npos) << result.reason;
        EXPECT_EQ(loaded, image_);
    }
    RadioImage loaded = image_;
    const FileResult result = loadChannelFile(file("missing.sin"), loaded);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.reason.find(std::generic_category().message(ENOENT)), std::string::npos);
    EXPECT_EQ(loaded, image_);
}

TEST_F(ChannelFile, SaveReplacesOldFileKeepingItsPermissions) {
    write(file("old.sin"), std::vector<char>(100, 'x'));
    fs::permissions(file("old.sin"), fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(saveChannelFile(file("old.sin"), image_).ok);
    EXPECT_EQ(contents(file("old.sin")), imageBytes());
    EXPECT_EQ(fs::status(file("old.sin")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(filesInFolder(), 1u);

    fs::create_symlink("old.sin", file("link.sin"));
    image_[0] ^= 0xFF;
    ASSERT_TRUE(saveChannelFile(file("link.sin"), image_).ok);
    EXPECT_TRUE(fs::is_symlink(file("link.sin")));
    EXPECT_EQ(contents(file("old.sin")), imageBytes());
}

TEST_F(ChannelFile, UnwritableFolderOrFileKeepsOldFile) {
    write(file("old.sin"), std::vector<char>(100, 'x'));
    fs::permissions(file("old.sin"), fs::perms::owner_read);
    if (std::ofstream(file("old.sin"), std::ios::app))
        GTEST_SKIP() << "running with rights that ignore file permissions";
    EXPECT_FALSE(saveChannelFile(file("old.sin"), image_).ok);

    fs::permissions(file("old.sin"), fs::perms::owner_read | fs::perms::owner_write);
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
    const FileResult result = saveChannelFile(file("old.sin"), image_);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.reason.find("old.sin"), std::string::npos) << result.reason;
    EXPECT_EQ(contents(file("old.sin")), std::vector<char>(100, 'x'));
}

// A write that fails part-way (here: the file size limit, as a full disk would) leaves
// the old file as it was and no temporary file behind.
TEST_F(ChannelFile, FailedWriteKeepsOldFile) {
    write(file("old.sin"), std::vector<char>(100, 'x'));
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
    EXPECT_NE(result.reason.find(std::generic_category().message(EFBIG)), std::string::npos)
        << result.reason;
    EXPECT_EQ(contents(file("old.sin")), std::vector<char>(100, 'x'));
    EXPECT_EQ(filesInFolder(), 1u);
}
