// The copies of the radio's memory kept after transfers: names, order, the newest 200 only.

#include "Backups.h"

#include "ChannelCodec.h"
#include "ChannelFile.h"
#include "IsolatedBackups.h"
#include "RandomImage.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace quorl {
namespace {

const QDateTime kStart(QDate(2025, 1, 31), QTime(14, 3, 22, 123), Qt::UTC);

TEST(Backups, NewestTwoHundredKeptNewestFirst) {
    const IsolatedBackups isolated;
    QFile foreign(QDir(isolated.path()).filePath(QStringLiteral("mine.sin")));
    ASSERT_TRUE(foreign.open(QIODevice::WriteOnly));
    foreign.close();

    const BackupResult first = keepBackup(randomImage(0), TransferDirection::Read, kStart);
    EXPECT_EQ(QFileInfo(first.path).fileName(), "2025-01-31T14-03-22.123Z-read.sin");
    for (int i = 1; i < kBackupsKept + 3; ++i)
        ASSERT_TRUE(keepBackup(randomImage(i),
                               i % 2 ? TransferDirection::Write : TransferDirection::Read,
                               kStart.addSecs(i))
                        .ok());

    const QList<Backup> backups = listBackups();
    ASSERT_EQ(backups.size(), kBackupsKept);
    EXPECT_EQ(backups.front().time, kStart.addSecs(kBackupsKept + 2));
    EXPECT_TRUE(backups.front().direction == TransferDirection::Read);
    EXPECT_EQ(backups.back().time, kStart.addSecs(3));
    RadioImage newest{};
    ASSERT_TRUE(loadChannelFile(backups.front().path.toStdString(), newest).ok);
    EXPECT_TRUE(newest == randomImage(kBackupsKept + 2));
    EXPECT_TRUE(foreign.exists()) << "a file that is not a copy of ours stays";
    EXPECT_EQ(QDir(isolated.path()).entryList({QStringLiteral("*.txt")}).size(), kBackupsKept)
        << "a note goes with its copy";
}

// A read that missed bytes says so in its copy's name, and the copy counts among ours.
TEST(Backups, ShortReadIsMarkedInTheName) {
    const IsolatedBackups isolated;
    const BackupResult kept = keepBackup(randomImage(1), TransferDirection::Read, kStart, true);
    EXPECT_EQ(QFileInfo(kept.path).fileName(), "2025-01-31T14-03-22.123Z-read-short.sin");
    const QList<Backup> backups = listBackups();
    ASSERT_EQ(backups.size(), 1);
    EXPECT_EQ(backups.front().time, kStart);
    EXPECT_TRUE(backups.front().direction == TransferDirection::Read);
}

TEST(Backups, TwoInOneMillisecondAreBothKept) {
    const IsolatedBackups isolated;
    const BackupResult a = keepBackup(randomImage(1), TransferDirection::Write, kStart);
    const BackupResult b = keepBackup(randomImage(2), TransferDirection::Write, kStart);
    ASSERT_TRUE(a.ok() && b.ok());
    EXPECT_NE(a.path, b.path);
    EXPECT_EQ(listBackups().size(), 2);
}

// Links planted under the names a copy would take, one to a file and one to a file still
// missing: neither is followed or replaced, and the copy takes the next free name.
TEST(Backups, PlantedLinksAreNeitherFollowedNorReplaced) {
    const IsolatedBackups isolated;
    const QTemporaryDir elsewhere;
    const QString victim = elsewhere.filePath(QStringLiteral("victim"));
    const QString missing = elsewhere.filePath(QStringLiteral("missing"));
    QFile file(victim);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("mine") == 4);
    file.close();
    const QDir folder(isolated.path());
    ASSERT_TRUE(QFile::link(victim, folder.filePath("2025-01-31T14-03-22.123Z-read.sin")));
    ASSERT_TRUE(QFile::link(missing, folder.filePath("2025-01-31T14-03-22.124Z-read.sin")));

    const BackupResult kept = keepBackup(randomImage(1), TransferDirection::Read, kStart);
    ASSERT_TRUE(kept.ok()) << kept.error.toStdString();
    EXPECT_EQ(QFileInfo(kept.path).fileName(), "2025-01-31T14-03-22.125Z-read.sin");
    EXPECT_FALSE(QFileInfo(kept.path).isSymLink());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "mine");
    EXPECT_FALSE(QFile::exists(missing));
    // The two links, the copy and its note.
    EXPECT_EQ(folder.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size(), 4);
}

// The note beside a copy names the model and band of its image and the file a write sent.
TEST(Backups, NoteSaysWhatTheCopyHolds) {
    const IsolatedBackups isolated;
    RadioImage image;
    resetImage(image);
    ChannelSheet sheet = decodeChannels(image);
    for (const int channel : {5, 9})
        sheet.rows[channel] = {"", "146.00000", "146.00000", "OFF", "OFF", "Yes", "High", "No", ""};
    encodeChannels(sheet, image);
    image[kModelType] = 2;  // ZR - 103S
    image[kModelField] = 1; // its second band
    const BackupResult kept =
        keepBackup(image, TransferDirection::Write, kStart, false, QStringLiteral("/plans/a.sin"));
    ASSERT_TRUE(kept.ok() && kept.warning.isEmpty()) << kept.error.toStdString();
    QFile note(
        QDir(isolated.path()).filePath(QStringLiteral("2025-01-31T14-03-22.123Z-write.txt")));
    ASSERT_TRUE(note.open(QIODevice::ReadOnly));
    EXPECT_EQ(note.readAll(), "model: ZR - 103S\nband: 144 - 146MHz\nsent: /plans/a.sin\n");
    EXPECT_EQ(listBackups().front().sent, QStringLiteral("/plans/a.sin"));
    EXPECT_EQ(describeBackup(image).channels, 2);

    image[kModelType] = 0x7F;
    const BackupContents unnamed = describeBackup(image);
    EXPECT_EQ(unnamed.model, QStringLiteral("-"));
    EXPECT_EQ(unnamed.band, QStringLiteral("-"));
}

TEST(Backups, KeptForCompleteReadsAndWritesThatReachedTheRadio) {
    struct Case {
        TransferDirection direction;
        TransferOutcome outcome;
        int blocks;
        bool kept;
    };
    const Case cases[] = {
        {TransferDirection::Read, TransferOutcome::Completed, 1023, true},
        {TransferDirection::Read, TransferOutcome::Cancelled, 100, false},
        {TransferDirection::Write, TransferOutcome::Completed, 1021, true},
        {TransferDirection::Write, TransferOutcome::Cancelled, 5, true},
        {TransferDirection::Write, TransferOutcome::WriteNotAcknowledged, 0, true},
        {TransferDirection::Write, TransferOutcome::CommunicationError, 0, false},
        {TransferDirection::Write, TransferOutcome::PortNotOpened, 0, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(worthABackup(c.direction, {c.outcome, c.blocks, {}, 0, 0}), c.kept)
            << static_cast<int>(c.outcome) << " after " << c.blocks;
}

} // namespace
} // namespace quorl
