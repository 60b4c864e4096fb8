// quorl-cli's output files: written whole or not at all, and never over what is not a file.

#include "CliRun.h"

#include "ChannelFile.h"
#include "SmallDisk.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace quorl {
namespace {

class CliOutputFiles : public ::testing::Test {
protected:
    void SetUp() override {
        RadioImage image;
        resetImage(image);
        ASSERT_TRUE(saveChannelFile(native(sin), image).ok);
    }

    QString path(const QString& name) const { return dir.filePath(name); }
    static std::string native(const QString& path) { return QFile::encodeName(path).toStdString(); }
    static QByteArray bytes(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    const QString sin = dir.filePath(QStringLiteral("a.sin"));
    CliRun cli;
};

// The commands that write a file other than a channel file, and a name for it.
const QString kWriters[][2] = {{"export", "old.csv"}, {"report", "old.pdf"}};

TEST_F(CliOutputFiles, FullDiskKeepsTheOldFileAndFails) {
    const SmallDisk disk(native(path("disk")));
    if (!disk.mounted())
        GTEST_SKIP() << "mounting a small file system takes root's rights";
    for (const auto& [command, name] : kWriters) {
        QFile old(path("disk/" + name));
        // Begins as a PDF does, so that report takes it for an earlier report.
        ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("%PDF-") == 5);
    }
    disk.fill();

    for (const auto& [command, name] : kWriters) {
        const QString out = path("disk/" + name);
        const CliOutput run = cli.run({command, sin, out});
        EXPECT_EQ(run.status, 1) << command.toStdString();
        EXPECT_TRUE(run.err.endsWith(
            QStringLiteral("quorl-cli: %1: %2: No space left on device\n").arg(command, out)))
            << run.err.toStdString();
        EXPECT_EQ(bytes(out), "%PDF-") << command.toStdString();
    }
    EXPECT_EQ(QDir(path("disk")).entryList(QDir::Files),
              QStringList({"filler", "old.csv", "old.pdf"}));
}

// A device node only root can make; there the test makes one that stands for /dev/null.
TEST_F(CliOutputFiles, WhatIsNotARegularFileIsLeftAlone) {
    ASSERT_EQ(::mkfifo(native(path("pipe")).c_str(), 0600), 0);
    std::filesystem::create_symlink("loop", native(path("loop")));
    std::vector<std::pair<QString, QString>> outputs{{"pipe", "it is not a regular file"},
                                                     {"loop", "Too many levels of symbolic links"}};
    if (::mknod(native(path("device")).c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0)
        outputs.emplace_back("device", "it is not a regular file");

    for (const auto& [name, reason] : outputs) {
        struct stat before {};
        ASSERT_EQ(::lstat(native(path(name)).c_str(), &before), 0);
        for (const auto& writer : kWriters) {
            const QString& command = writer[0];
            const CliOutput run = cli.run({command, sin, path(name)});
            EXPECT_EQ(run.status, 1) << command.toStdString() << ' ' << name.toStdString();
            EXPECT_TRUE(run.err.endsWith(
                QStringLiteral("quorl-cli: %1: %2: %3\n").arg(command, path(name), reason)))
                << run.err.toStdString();
            struct stat after {};
            ASSERT_EQ(::lstat(native(path(name)).c_str(), &after), 0);
            EXPECT_EQ(after.st_ino, before.st_ino) << name.toStdString();
        }
    }
    const auto entries = std::filesystem::directory_iterator(native(dir.path()));
    EXPECT_EQ(std::distance(begin(entries), end(entries)), 1 + outputs.size()); // and a.sin
}

} // namespace
} // namespace quorl
