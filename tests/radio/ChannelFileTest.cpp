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

using Bytes = std::vector<char>;

class ChannelFile : public ::testing::Test {
protected:
    void SetUp() override {
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
        EXPECT_NE(result.reason.find("short.sin"), std::string::npos) << result.reason;
        EXPECT_EQ(loaded, image_);
    }
    RadioImage loaded = image_;
    const FileResult result = loadChannelFile(file("missing.sin"), loaded);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.reason.find(std::generic_category().message(ENOENT)), std::string::npos);
    EXPECT_EQ(loaded, image_);
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

TEST_F(ChannelFile, UnwritableFolderOrFileKeepsOldFile) {
    write(file("old.sin"), old_);
    fs::permissions(file("old.sin"), fs::perms::owner_read);
    if (std::ofstream(file("old.sin"), std::ios::app))
        GTEST_SKIP() << "running with rights that ignore file permissions";
    EXPECT_FALSE(saveChannelFile(file("old.sin"), image_).ok);

    fs::permissions(file("old.sin"), fs::perms::owner_read | fs::perms::owner_write);
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
    const FileResult result = saveChannelFile(file("old.sin"), image_);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.reason.find("old.sin"), std::string::npos) << result.reason;
    EXPECT_EQ(contents(file("old.sin")), old_);
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
    EXPECT_NE(result.reason.find(std::generic_category().message(EFBIG)), std::string::npos)
        << result.reason;
    EXPECT_EQ(contents(file("old.sin")), old_);
    EXPECT_EQ(filesInFolder(), 1);
}
