// Reading and writing the radio from the form view: Read From Radio or Write To Radio, then
// Start in the progress dialog. The quorl-radio-sim program plays the radio on a
// pseudo-terminal behind the real serial port, with the pauses skipped; failures that take
// whole seconds of time-outs run on a virtual-time line instead.

#include "RandomImage.h"
#include "TransferFixture.h"

#include "Backups.h"
#include "ByteLink.h"
#include "CMSFlexGrid.h"
#include "CellEditor.h"
#include "ChannelFile.h"
#include "DefaultMemory.h"
#include "FindControl.h"
#include "FormIds.h"
#include "PortMessage.h"
#include "ProgressDialog.h"
#include "Pty.h"
#include "SerialPort.h"
#include "SettingsCodec.h"
#include "SettingsPanel.h"
#include "SheetCommands.h"
#include "SimRadio.h"
#include "SimulatedLink.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <poll.h>

#include <iostream>

using namespace quorl;

namespace {

const QString kCommunicationError =
    QStringLiteral("Communication Error，Please check all the connections and the radio power");

// A channel as the user would type it into the table.
const QStringList kEditedChannel{"446.00625", "446.00625", "OFF", "67.0",
                                 "Yes",       "High",      "No",  "PMR1"};

bool portIsFree() {
    SerialPort probe;
    return probe.open(QStringLiteral("COM1"), kCloneTimeouts);
}

bool isReadRequest(const std::vector<std::uint8_t>& bytes) {
    return bytes.size() == 4 && bytes[0] == 0x52;
}

// Another program that holds COM1, until its standard input closes.
int holdPort() {
    SerialPort port;
    if (!port.open(QStringLiteral("COM1"), kCloneTimeouts))
        return 1;
    std::cout << "held" << std::endl;
    std::string line;
    while (std::getline(std::cin, line)) {
    }
    return 0;
}

} // namespace

class TransferTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TransferFixture> f;

    // A simulated radio on a virtual-time line instead of the serial port.
    struct VirtualRadio {
        VirtualRadio(TransferFixture& fixture, std::vector<SimFault> faults)
            : radio(defaultSimMemory()), line(radio, fixture.clock, fixture.trace) {
            radio.setFaults(std::move(faults));
            fixture.view->transfer().setLine(&line, &fixture.noPauses);
        }
        SimRadio radio;
        testkit::SimulatedLink line;
    };

private slots:
    void init() { f = std::make_unique<TransferFixture>(); }
    void cleanup() { f.reset(); }

    void readFillsTheTableFromTheRadio() {
        QVERIFY(f->startRadio({"--delay", "0"}));
        f->skipPauses();
        for (std::size_t at = 0x1FF8; at < kImageSize; ++at)
            f->image[at] = static_cast<std::uint8_t>(at);
        const RadioImage before = f->image;

        f->view->transfer().OnReadFromRadio();
        QCOMPARE(progressWindow()->windowTitle(), "Reading Data Progress");
        QVERIFY(f->runTransfer());

        const RadioImage radio = defaultSimMemory();
        QVERIFY(std::equal(radio.begin(), radio.begin() + 0x1FF8, f->image.begin()));
        // The read stops short of the last eight bytes.
        QVERIFY(std::equal(before.begin() + 0x1FF8, before.end(), f->image.begin() + 0x1FF8));
        QCOMPARE(f->tableTexts(), TransferFixture::sheetTexts(decodeChannels(radio)));
        QVERIFY(f->view->settingsPanel()->state() == decodeSettings(radio));
        QVERIFY(f->messages.empty());
        QVERIFY(portIsFree());
        QVERIFY(f->radio.stop());
    }

    void writeSendsTheEditedTable() {
        QTemporaryDir dir;
        const QString saved = dir.filePath(QStringLiteral("radio.sin"));
        QVERIFY(f->startRadio({"--delay", "0", "--save", saved}));
        f->skipPauses();
        f->typeChannel(12, kEditedChannel);

        f->view->transfer().OnWriteToRadio();
        QCOMPARE(progressWindow()->windowTitle(), "Writing Data Progress");
        QVERIFY(f->runTransfer());
        QVERIFY(f->messages.empty());
        QVERIFY(f->radio.stop());

        RadioImage written{};
        QVERIFY(loadChannelFile(saved.toStdString(), written).ok);
        QVERIFY(std::equal(f->image.begin(), f->image.begin() + 0x1FE8, written.begin()));
        QCOMPARE(TransferFixture::channelTexts(decodeChannels(written), 12), kEditedChannel);
        // The last 24 bytes are never sent.
        const RadioImage radio = defaultSimMemory();
        QVERIFY(std::equal(radio.begin() + 0x1FE8, radio.end(), written.begin() + 0x1FE8));
    }

    void portHeldByAnotherProgram() {
        Pty pty;
        QVERIFY(pty.isOpen());
        qputenv("QUORL_COM1", QByteArray::fromStdString(pty.slavePath()));
        QProcess holder;
        holder.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        holder.start(QCoreApplication::applicationFilePath(), {"--hold-port"});
        QVERIFY(holder.waitForReadyRead(5000));
        QCOMPARE(holder.readLine().trimmed(), "held");

        f->view->transfer().OnReadFromRadio();
        QVERIFY(f->runTransfer());
        QCOMPARE(f->messageTexts(), QStringList{ui::kPortOpenFailedMessage});
        // Nothing went down the line, and the other program still has it to itself.
        pollfd line{pty.master(), POLLIN, 0};
        QCOMPARE(::poll(&line, 1, 100), 0);
        QVERIFY(!portIsFree());

        holder.closeWriteChannel();
        QVERIFY(holder.waitForFinished(5000));
        QCOMPARE(holder.exitCode(), 0);
        QVERIFY(portIsFree());
    }

    void silentRadioOffersRetryAfterFifteenAttempts() {
        VirtualRadio radio(*f, {SimFaultKind::Silent});
        f->answers = {ui::MessageAnswer::Retry}; // then Cancel
        const QStringList table = f->tableTexts();

        f->view->transfer().OnReadFromRadio();
        QVERIFY(f->runTransfer());

        QCOMPARE(f->messageTexts(), (QStringList{kCommunicationError, kCommunicationError}));
        // Neither box, taking the activation from the progress window, interrupted the read.
        for (const ShownMessage& message : f->messages)
            QVERIFY(message.buttons == ui::MessageButtons::RetryCancel);
        // Two series of fifteen handshakes, each given up after two silent reads; Retry keeps
        // the port open.
        const auto& writes = radio.line.writes();
        QCOMPARE(std::count(writes.begin(), writes.end(), std::vector<std::uint8_t>{0x02}), 30);
        QVERIFY(f->clock.elapsedMs() >= 30 * 2 * 590);
        QCOMPARE(radio.line.openCount(), 1);
        QVERIFY(!radio.line.isOpen());
        QCOMPARE(f->tableTexts(), table);
    }

    // A copy of what came from the radio, then of what went to it; nothing asks about them.
    // Undo after a read gives back the document as it was, every byte.
    void aCompletedReadIsOneUndoStep() {
        QVERIFY(f->startRadio({"--delay", "0"}));
        f->skipPauses();
        const RadioImage before = f->image;
        f->view->transfer().OnReadFromRadio();
        QVERIFY(f->runTransfer());
        QVERIFY(f->image != before);
        QCoreApplication::processEvents();
        f->view->sheet().run(SheetCommand::Undo);
        QCOMPARE(f->image, before);
        QCOMPARE(f->tableTexts(), TransferFixture::sheetTexts(decodeChannels(before)));
    }

    void readAndWriteKeepBackups() {
        VirtualRadio radio(*f, {});
        f->view->transfer().OnReadFromRadio();
        QVERIFY(f->runTransfer());
        f->typeChannel(12, kEditedChannel);
        f->view->transfer().OnWriteToRadio();
        QVERIFY(f->runTransfer());

        QVERIFY(f->messages.empty());
        const QList<Backup> backups = listBackups();
        QCOMPARE(backups.size(), 2);
        QVERIFY(backups[0].direction == TransferDirection::Write);
        QVERIFY(backups[1].direction == TransferDirection::Read);
        RadioImage kept{};
        QVERIFY(loadChannelFile(backups[1].path.toStdString(), kept).ok);
        const RadioImage memory = defaultSimMemory();
        QVERIFY(std::equal(memory.begin(), memory.begin() + kReadLength, kept.begin()));
        QVERIFY(loadChannelFile(backups[0].path.toStdString(), kept).ok);
        QVERIFY(kept == f->image);
    }

    // A read with short replies is taken; one message then names the bytes that did not come,
    // and the copy's name marks it.
    void shortRepliesAreTakenAndNamed() {
        VirtualRadio radio(
            *f, {{SimFaultKind::ShortReadReply, 5, 10}, {SimFaultKind::ShortReadReply, 6, 11}});
        f->view->transfer().OnReadFromRadio();
        QVERIFY(f->runTransfer());

        QCOMPARE(f->messageTexts(),
                 QStringList{"The read finished, but the radio's replies left out 3 bytes: "
                             "0x002E-0x002F, 0x0037. They are kept as FF; check them before "
                             "writing this data back to a radio."});
        const QList<Backup> backups = listBackups();
        QCOMPARE(backups.size(), 1);
        QVERIFY(backups[0].path.endsWith(QStringLiteral("-read-short.sin")));
    }

    // Only a complete read replaces the document: image, table and panel stay as they were.
    void unfinishedReadKeepsTheDocument_data() {
        QTest::addColumn<QStringList>("fault");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("cancel after 100 blocks") << QStringList{} << QStringList{};
        QTest::newRow("short reply at block 900")
            << QStringList{"--fault", "short:9@900"} << QStringList{"not received enough  byte"};
    }
    void unfinishedReadKeepsTheDocument() {
        QFETCH(QStringList, fault);
        QFETCH(QStringList, messages);
        QTemporaryDir dir;
        const QString served = dir.filePath(QStringLiteral("served.sin"));
        QVERIFY(saveChannelFile(served.toStdString(), randomImage(7)).ok);
        QVERIFY(f->startRadio(QStringList{"--delay", "0", "--image", served} + fault));
        f->skipPauses();
        const RadioImage before = f->image;
        const QStringList table = f->tableTexts();
        const SettingsState panel = f->view->settingsPanel()->state();

        f->view->transfer().OnReadFromRadio();
        if (fault.isEmpty())
            runAtProgress(100, [this] {
                QTest::mouseClick(f->dialogButton(ProgressDialog::kIdCancel), Qt::LeftButton);
            });
        QVERIFY(f->runTransfer());

        QCOMPARE(f->messageTexts(), messages);
        QVERIFY(f->image == before);
        QVERIFY(listBackups().isEmpty());
        QCOMPARE(f->tableTexts(), table);
        QVERIFY(f->view->settingsPanel()->state() == panel);
        QVERIFY(portIsFree());
    }

    void interruptionEndsTheTransferWithOneMessage_data() {
        QTest::addColumn<bool>("move");
        QTest::newRow("dragging the dialog") << true;
        QTest::newRow("clicking the main window") << false;
    }
    void interruptionEndsTheTransferWithOneMessage() {
        QFETCH(bool, move);
        QVERIFY(f->startRadio({"--delay", "0"}));
        f->skipPauses();
        const QStringList table = f->tableTexts();

        f->view->transfer().OnReadFromRadio();
        QDialog* window = progressWindow();
        runAtProgress(50, [this, window, move] {
            if (move)
                window->move(window->pos() + QPoint(40, 30));
            else
                f->frame.activateWindow();
        });
        QVERIFY(f->runTransfer());

        QCOMPARE(f->messageTexts(), QStringList{ProgressDialog::kInterruptedMessage});
        QCOMPARE(f->tableTexts(), table);
        QVERIFY(portIsFree());
    }

    // The window's words for each way a transfer fails, no box counted as leaving the progress
    // window, and the window closed at the end.
    void everyFailureShowsItsBox_data() {
        QTest::addColumn<bool>("write");
        QTest::addColumn<int>("fault");
        QTest::addColumn<bool>("failGoAhead");
        QTest::addColumn<QStringList>("messages");
        const QString sendOrder = QStringLiteral(" Error in the Send Order");
        QTest::newRow("read reply cut short") << false << int(SimFaultKind::HangUp) << false
                                              << QStringList{"not received enough  byte"};
        QTest::newRow("read block not acknowledged")
            << false << int(SimFaultKind::MissingBlockAck) << false
            << QStringList{"Error had happen,please try again"};
        QTest::newRow("write block not acknowledged")
            << true << int(SimFaultKind::MissingWriteAck) << false
            << QStringList{" Program Interrupt，Please reset the radio and try again"};
        QTest::newRow("go-ahead cannot be written")
            << false << -1 << true
            << QStringList{sendOrder, sendOrder, sendOrder, kCommunicationError};
    }
    void everyFailureShowsItsBox() {
        QFETCH(bool, write);
        QFETCH(int, fault);
        QFETCH(bool, failGoAhead);
        QFETCH(QStringList, messages);
        std::vector<SimFault> faults;
        if (fault >= 0)
            faults.push_back({static_cast<SimFaultKind>(fault), 3});
        VirtualRadio radio(*f, faults);
        if (failGoAhead)
            radio.line.failWrite = [](std::span<const std::uint8_t> bytes) {
                return bytes[0] == 0x06;
            };

        if (write)
            f->view->transfer().OnWriteToRadio();
        else
            f->view->transfer().OnReadFromRadio();
        QVERIFY(f->runTransfer());

        QCOMPARE(f->messageTexts(), messages);
        for (const ShownMessage& message : f->messages)
            QVERIFY(message.buttons == (message.text == kCommunicationError
                                            ? ui::MessageButtons::RetryCancel
                                            : ui::MessageButtons::Ok));
        QVERIFY(!progressWindow());
        QVERIFY(!radio.line.isOpen());
    }

    // Real message boxes take the activation from the dialog; that is no interruption.
    void ownMessageBoxesAreNoInterruption() {
        ui::setMessageHook({});
        VirtualRadio radio(*f, {SimFaultKind::NoGoAheadAnswer});
        QStringList seen;
        QTimer answerer;
        QObject::connect(&answerer, &QTimer::timeout, &answerer, [&seen] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isActiveWindow())
                return;
            seen.append(box->text());
            QAbstractButton* retry = box->button(QMessageBox::Retry);
            (seen.size() == 1 && retry ? retry : box->escapeButton())->click();
        });
        answerer.start(20);

        f->view->transfer().OnReadFromRadio();
        QVERIFY(f->runTransfer());
        QCOMPARE(seen, (QStringList{kCommunicationError, kCommunicationError}));
    }

    void writeChosenWhileReadWaitsRunsAWrite() {
        VirtualRadio radio(*f, {});
        f->typeChannel(1, kEditedChannel);

        f->view->transfer().OnReadFromRadio();
        QDialog* window = progressWindow();
        f->view->transfer().OnWriteToRadio();
        QCOMPARE(progressWindow(), window);
        QCOMPARE(window->windowTitle(), "Writing Data Progress");
        QVERIFY(f->runTransfer());

        QVERIFY(f->messages.empty());
        const auto& writes = radio.line.writes();
        QVERIFY(std::none_of(writes.begin(), writes.end(), isReadRequest));
        QVERIFY(
            std::equal(f->image.begin(), f->image.begin() + 0x1FE8, radio.radio.memory().begin()));
        QCOMPARE(TransferFixture::channelTexts(decodeChannels(radio.radio.memory()), 1),
                 kEditedChannel);
    }

    // A value still being typed into the table goes to the radio with the rest.
    void writeCommitsTheCellBeingEdited() {
        VirtualRadio radio(*f, {});
        QVERIFY(QTest::qWaitForWindowActive(&f->frame));
        auto* table = f->view->grid()->findChild<QTableView*>();
        const QModelIndex cell = table->model()->index(3 - 1, kColReceive - 1);
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(cell).center());
        QCOMPARE(QApplication::focusWidget(),
                 test::findControl<QLineEdit>(f->view, kIdFrequencyEditor));
        QTest::keyClicks(test::findControl<QLineEdit>(f->view, kIdFrequencyEditor),
                         QStringLiteral("446.10000"));

        f->view->transfer().OnWriteToRadio();
        QVERIFY(test::findControl<QLineEdit>(f->view, kIdFrequencyEditor)->isHidden());
        QVERIFY(f->runTransfer());

        const ChannelSheet written = decodeChannels(radio.radio.memory());
        QCOMPARE(QString::fromStdString(written.cell(3, kColReceive)), "446.10000");
        QCOMPARE(QString::fromStdString(written.cell(3, kColTransmit)), "446.10000");
    }
};

int main(int argc, char* argv[]) {
    if (argc > 1 && qstrcmp(argv[1], "--hold-port") == 0) {
        QCoreApplication application(argc, argv);
        return holdPort();
    }
    QApplication application(argc, argv);
    TransferTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "TransferTest.moc"
