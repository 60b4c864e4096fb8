// Whole transfers from the form view in real time: the real pauses, the real serial port on a
// pseudo-terminal, and the quorl-radio-sim program answering like a radio. About half a minute.

#include "TransferFixture.h"

#include "ChannelFile.h"
#include "DefaultMemory.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

using namespace quorl;

namespace {

// Sum of the read's fixed pauses: the handshake's 16 ms, then 15 + 5 ms a block.
constexpr qint64 kReadPausesMs = 16 + 1023 * 20;
constexpr qint64 kWritePausesMs = 16 + 1021 * 2;

} // namespace

class TransferSlowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TransferFixture> f;

private slots:
    void init() { f = std::make_unique<TransferFixture>(); }
    void cleanup() { f.reset(); }

    void fullReadRepaintsBlockByBlock() {
        QVERIFY(f->startRadio({"--delay", "2"}));
        f->view->transfer().OnReadFromRadio();
        const PaintWatcher watcher(progressWindow());
        QElapsedTimer clock;
        clock.start();
        QVERIFY(f->runTransfer(60000));

        QVERIFY(clock.elapsed() >= kReadPausesMs);
        QVERIFY(f->messages.empty());
        QCOMPARE(f->tableTexts(), TransferFixture::sheetTexts(decodeChannels(defaultSimMemory())));
        // The dialog showed the transfer move: nearly every block's number was painted, and the
        // bar went all the way in small steps.
        QVERIFY2(watcher.statusPositionsPainted() > 1000,
                 qPrintable(QString::number(watcher.statusPositionsPainted())));
        QCOMPARE(watcher.barPositions.last(), 1022);
        QVERIFY2(watcher.largestBarStep() <= 1022 / 20,
                 qPrintable(QString::number(watcher.largestBarStep())));
        QVERIFY(f->radio.stop());
    }

    void fullWrite() {
        QTemporaryDir dir;
        const QString saved = dir.filePath(QStringLiteral("radio.sin"));
        QVERIFY(f->startRadio({"--delay", "2", "--save", saved}));
        const QStringList channel{"433.50000", "433.50000", "OFF", "OFF",
                                  "Yes",       "Low",       "No",  "CALL"};
        f->typeChannel(5, channel);
        f->view->transfer().OnWriteToRadio();
        QElapsedTimer clock;
        clock.start();
        QVERIFY(f->runTransfer(60000));

        QVERIFY(clock.elapsed() >= kWritePausesMs);
        QVERIFY(f->messages.empty());
        QVERIFY(f->radio.stop());
        RadioImage written{};
        QVERIFY(loadChannelFile(saved.toStdString(), written).ok);
        QVERIFY(std::equal(f->image.begin(), f->image.begin() + 0x1FE8, written.begin()));
        QCOMPARE(TransferFixture::channelTexts(decodeChannels(written), 5), channel);
    }
};

QTEST_MAIN(TransferSlowTest)
#include "TransferSlowTest.moc"
