// A session of several steps against the simulated radio, in virtual time.

#include "RadioSession.h"

#include "ChannelFile.h"
#include "IsolatedBackups.h"
#include "RandomImage.h"
#include "RecordingTransferEvents.h"
#include "SimulatedLink.h"
#include "VirtualPacer.h"

#include <gtest/gtest.h>

#include <QDir>

#include <algorithm>

namespace quorl {
namespace {

constexpr auto kRead = TransferDirection::Read;
constexpr auto kWrite = TransferDirection::Write;

struct Rig {
    const RadioImage before = randomImage(1); // the radio's memory
    const RadioImage base = randomImage(2);
    const RadioImage image = randomImage(3); // what the write sends
    SimRadio radio{before};
    testkit::VirtualClock clock;
    testkit::Trace trace;
    testkit::SimulatedLink link{radio, clock, trace};
    testkit::VirtualPacer pacer{clock, trace};
    testkit::RecordingTransferEvents ui{trace};

    SessionResult readThenWrite() {
        RadioSession session(QStringLiteral("COM2"), ui, &link, &pacer);
        return session.readThenWrite(base, image);
    }
};

bool radioHolds(const Rig& rig, const RadioImage& image) {
    return std::equal(image.begin(), image.begin() + CloneProtocol::kWriteLength,
                      rig.radio.memory().begin());
}

TEST(RadioSession, ReadThenWriteKeepsTheReadThenWrites) {
    const IsolatedBackups isolated;
    Rig rig;
    const SessionResult result = rig.readThenWrite();

    EXPECT_TRUE(result.completed());
    EXPECT_EQ(result.step, kWrite);
    EXPECT_EQ(rig.trace.count("begin read"), 1);
    EXPECT_EQ(rig.trace.count("begin write"), 1);
    RadioImage adopted = rig.base;
    std::copy_n(rig.before.begin(), kReadLength, adopted.begin());
    ASSERT_TRUE(result.image);
    EXPECT_TRUE(*result.image == adopted);
    ASSERT_EQ(result.backups.size(), 2u);
    EXPECT_EQ(result.backups[0].direction, kRead);
    EXPECT_EQ(result.backups[1].direction, kWrite);
    RadioImage kept{};
    ASSERT_TRUE(loadChannelFile(result.backups[0].path.toStdString(), kept).ok);
    EXPECT_TRUE(kept == adopted);
    EXPECT_TRUE(radioHolds(rig, rig.image));
}

// A read whose copy could not undo the write ends the session before anything is sent.
TEST(RadioSession, ReadThenWriteWithholdsTheWriteWhenTheReadCannotUndoIt) {
    const struct {
        const char* name;
        WriteWithheld withheld;
    } cases[] = {{"short read", WriteWithheld::ShortRead}, {"no backup", WriteWithheld::NoBackup}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const IsolatedBackups isolated;
        Rig rig;
        if (c.withheld == WriteWithheld::ShortRead) {
            rig.radio.setFaults({{SimFaultKind::ShortReadReply, 5, 10}});
        } else {
            QFile blocker(QDir(isolated.path()).filePath(QStringLiteral("file")));
            ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
            qputenv("QUORL_BACKUPS", QFile::encodeName(blocker.fileName() + "/backups"));
        }
        const SessionResult result = rig.readThenWrite();

        EXPECT_FALSE(result.completed());
        EXPECT_EQ(result.withheld, c.withheld);
        EXPECT_EQ(result.step, kRead);
        EXPECT_EQ(result.backups.size(), 1u);
        EXPECT_EQ(rig.trace.count("begin write"), 0);
        EXPECT_TRUE(radioHolds(rig, rig.before));
    }
}

} // namespace
} // namespace quorl
