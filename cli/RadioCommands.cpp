// ports, read and write: the commands that talk to a radio on a serial port.

#include "CommandParser.h"
#include "Commands.h"
#include "FileAccess.h"
#include "ImageWords.h"
#include "RadioSession.h"
#include "SerialDevice.h"
#include "SettingsCodec.h"
#include "TerminalTransferEvents.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSerialPortInfo>

#include <array>
#include <csignal>
#include <cstdio>

namespace quorl {

namespace {

constexpr int kComPorts = 4;
constexpr std::size_t kWriteLength = CloneProtocol::kWriteBlocks * CloneProtocol::kBlockSize;

// The signal that asked a transfer to stop, 0 while none has.
volatile std::sig_atomic_t stopRequested = 0;

extern "C" void requestStop(int signal) {
    stopRequested = signal;
}

constexpr std::array kStopSignals{SIGINT, SIGTERM, SIGHUP};

// While it lives, Ctrl+C, a kill (SIGTERM) and a closed terminal (SIGHUP) ask the transfer to
// stop at its next wait instead of ending the program, so the port is closed (its exclusive
// flag cleared for the next user), a write's backup is kept and the user is told.
class StopSignals {
public:
    StopSignals() {
        stopRequested = 0;
        struct sigaction action {};
        action.sa_handler = requestStop;
        sigemptyset(&action.sa_mask);
        for (std::size_t i = 0; i < kStopSignals.size(); ++i)
            sigaction(kStopSignals[i], &action, &previous_[i]);
    }
    ~StopSignals() {
        for (std::size_t i = 0; i < kStopSignals.size(); ++i)
            sigaction(kStopSignals[i], &previous_[i], nullptr);
    }
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

private:
    std::array<struct sigaction, kStopSignals.size()> previous_{};
};

// The signal in the user's words.
QString stopWords(int signal) {
    switch (signal) {
    case SIGINT:
        return QStringLiteral("stopped by Ctrl+C");
    case SIGHUP:
        return QStringLiteral("stopped: the terminal hung up (SIGHUP)");
    default:
        return QStringLiteral("stopped by SIGTERM");
    }
}

QString comName(int n) {
    return QStringLiteral("COM%1").arg(n);
}

QCommandLineOption portOption() {
    return {{QStringLiteral("p"), QStringLiteral("port")},
            QStringLiteral("COM1 to COM4 (see quorl-cli ports), or a device path such as "
                           "/dev/ttyUSB0. COM1 when not given."),
            QStringLiteral("P"),
            comName(1)};
}

// The --port of a command: COM1..COM4 or a device path. Empty, after the usage error, for
// anything else.
QString chosenPort(CommandParser& command) {
    static const QRegularExpression com(QStringLiteral("^COM[1-4]$"));
    const QString port = command.parser().value(QStringLiteral("port"));
    if (com.match(port).hasMatch() || port.startsWith(QLatin1Char('/')))
        return port;
    command.fail(QStringLiteral("--port takes COM1 to COM4 or a device path, not \"%1\"").arg(port),
                 kUsage);
    return {};
}

// "COM1 (/dev/ttyUSB0)", or the path alone when the port was given as one.
QString portWords(const QString& port) {
    const QString device = serialDevicePath(port);
    return device == port ? port : QStringLiteral("%1 (%2)").arg(port, device);
}

void printPort(const QString& name, const QString& device, const QString& words) {
    const QString line = QStringLiteral("%1 %2 %3").arg(name, -5).arg(device, -14).arg(words);
    std::printf("%s\n", qPrintable(line.trimmed()));
}

QString seconds(const QElapsedTimer& clock) {
    return QString::number(clock.elapsed() / 1000.0, 'f', 1) + QStringLiteral(" s");
}

// What went wrong, in the words of a terminal.
QString failureWords(const SessionResult& result) {
    const TransferResult& transfer = result.transfer;
    QString words;
    switch (transfer.outcome) {
    case TransferOutcome::Completed:
        break;
    case TransferOutcome::Cancelled:
        return stopWords(stopRequested);
    case TransferOutcome::PortNotOpened:
        words = QStringLiteral("cannot open the port");
        break;
    case TransferOutcome::CommunicationError:
        words = QStringLiteral("the radio does not answer (%1); check the cable and that the "
                               "radio is switched on")
                    .arg(transfer.cause);
        break;
    case TransferOutcome::ShortReply:
        words = QStringLiteral("the radio's reply was cut short (%1)").arg(transfer.cause);
        break;
    case TransferOutcome::ReadNotAcknowledged:
    case TransferOutcome::WriteNotAcknowledged:
        words = QStringLiteral("the radio stopped answering (%1)").arg(transfer.cause);
        break;
    }
    if (!result.deviceError.isEmpty())
        words += QStringLiteral(": ") + result.deviceError;
    return words;
}

int transferFailed(const QString& title, const SessionResult& result, const QString& consequence) {
    return fail(QStringLiteral("%1: %2; %3").arg(title, failureWords(result), consequence),
                result.transfer.outcome == TransferOutcome::Cancelled
                    ? kStoppedBySignal + stopRequested
                    : kFailure);
}

QString missingBytesWords(const std::vector<std::uint16_t>& missing) {
    const QString bytes = missing.size() == 1 ? QStringLiteral("1 byte")
                                              : QStringLiteral("%1 bytes").arg(missing.size());
    return QStringLiteral("The read finished, but the radio's replies left out %1: %2. They are "
                          "kept as FF; check them before writing this data back to a radio.")
        .arg(bytes, addressRuns(missing));
}

// The warnings a finished session leaves: copies not kept, bytes a read left out.
void warnAbout(const SessionResult& result) {
    for (const BackupResult& backup : result.backups)
        if (!backup.ok())
            warn(QStringLiteral("no backup kept: ") + backup.error);
    if (!result.missing.empty())
        warn(missingBytesWords(result.missing));
}

// The image a read into a new document starts from.
RadioImage freshImage() {
    RadioImage image;
    resetImage(image);
    return image;
}

// "0x1F00 = 0x03", as the tool writes every address and byte.
QString byteWords(std::size_t offset, std::uint8_t byte) {
    return QStringLiteral("0x%1 = 0x%2")
        .arg(QString::number(offset, 16).toUpper().rightJustified(4, QLatin1Char('0')),
             QString::number(byte, 16).toUpper().rightJustified(2, QLatin1Char('0')));
}

// Why a file is not one to send to a radio, or empty when it is: it holds exactly the 8192
// bytes of a channel data file, and its Type and Field name a model and a band the window
// knows, so that its channels were checked against that band's limits.
QString notARadioImage(const QString& path, const RadioImage& image) {
    if (const qint64 size = QFileInfo(path).size(); size != static_cast<qint64>(kImageSize))
        return QStringLiteral("the file holds %1 bytes; a channel data file holds exactly %2 bytes")
            .arg(size)
            .arg(kImageSize);
    const SettingsState settings = decodeSettings(image);
    if (settings.type == kNoSelection)
        return QStringLiteral("its Type byte (%1) names no model: ZR - 101S, ZR - 102S or "
                              "ZR - 103S")
            .arg(byteWords(kModelType, image[kModelType]));
    if (settings.field == kNoSelection) {
        const auto bands = fieldBandTexts(settings.type);
        return QStringLiteral("its Field byte (%1) names no band of the %2: %3 or %4")
            .arg(byteWords(kModelField, image[kModelField]),
                 QLatin1String(kTypeTexts[settings.type]), QLatin1String(bands[0]),
                 QLatin1String(bands[1]));
    }
    return {};
}

} // namespace

int runPorts(const QString& usage, const QStringList& arguments) {
    CommandParser command(
        usage, QStringLiteral("Lists COM1 to COM4 with the device each one opens (QUORL_COM1 to "
                              "QUORL_COM4 when set, else /dev/ttyUSB0 to /dev/ttyUSB3) and whether "
                              "it is present, then the other serial ports of this machine. USB "
                              "ports show their vendor:product ids and description."));
    if (const std::optional<int> status = command.parse(arguments))
        return *status;

    QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    auto describe = [](const QSerialPortInfo& info) {
        QString words;
        if (info.hasVendorIdentifier() && info.hasProductIdentifier())
            words = QStringLiteral("%1:%2  ")
                        .arg(info.vendorIdentifier(), 4, 16, QLatin1Char('0'))
                        .arg(info.productIdentifier(), 4, 16, QLatin1Char('0'));
        QStringList texts{info.description(), info.manufacturer()};
        texts.removeAll(QString());
        return words + texts.join(QStringLiteral(", "));
    };
    for (int n = 1; n <= kComPorts; ++n) {
        const QString device = serialDevicePath(comName(n));
        const QFileInfo file(device);
        QString words = file.exists() ? QString() : QStringLiteral("not present");
        const QString canonical = file.canonicalFilePath();
        for (auto info = ports.begin(); info != ports.end(); ++info) {
            if (!canonical.isEmpty() &&
                QFileInfo(info->systemLocation()).canonicalFilePath() == canonical) {
                words = describe(*info);
                ports.erase(info);
                break;
            }
        }
        printPort(comName(n), device, words);
    }
    for (const QSerialPortInfo& info : ports)
        printPort(QStringLiteral("-"), info.systemLocation(), describe(info));
    return kSuccess;
}

int runRead(const QString& usage, const QStringList& arguments) {
    CommandParser command(
        usage,
        QStringLiteral("Reads the radio's whole memory, 1023 blocks of 8 bytes in about 40 "
                       "seconds at the radio's 9600 baud, into OUT.sin, and keeps a copy among "
                       "the backups (see quorl-cli backups). Progress goes to standard error. "
                       "Ctrl+C (or SIGTERM, or SIGHUP when the terminal closes) stops the read: "
                       "the port is closed and nothing is written."));
    command.parser().addOption(portOption());
    command.addPositional(QStringLiteral("OUT.sin"),
                          QStringLiteral("The channel data file to write; replaced if it exists."));
    if (const std::optional<int> status = command.parse(arguments))
        return *status;
    const QString port = chosenPort(command);
    if (port.isEmpty())
        return kUsage;
    const QString out = command.positionals().at(0);
    // Better now than after the read.
    const QFileInfo folder(QFileInfo(out).absolutePath());
    if (!folder.isDir() || !folder.isWritable())
        return command.fail(
            QStringLiteral("cannot write %1: %2 is not a folder this user may write in")
                .arg(out, folder.filePath()));

    const StopSignals stopSignals;
    QElapsedTimer clock;
    clock.start();
    const QString title = QStringLiteral("read ") + portWords(port);
    TerminalTransferEvents events(title, stopRequested);
    const SessionResult read = RadioSession(port, events).read(freshImage());
    events.finish();
    if (!read.completed())
        return transferFailed(title, read, QStringLiteral("nothing written"));
    warnAbout(read);
    if (const QString error = saveImageFile(out, *read.image); !error.isEmpty())
        return command.fail(QStringLiteral("%1; the read is kept among the backups").arg(error));
    std::fprintf(stderr, "quorl-cli: %s: saved %s (%s)\n", qPrintable(title), qPrintable(out),
                 qPrintable(seconds(clock)));
    return kSuccess;
}

int runWrite(const QString& usage, const QStringList& arguments) {
    CommandParser command(
        usage,
        QStringLiteral(
            "Writes IN.sin into the radio, 1021 blocks of 8 bytes (0x0000 to 0x1FE7), as the file "
            "holds them, and keeps a copy among the backups. Only a file of exactly 8192 bytes "
            "whose Type and Field name a model and a band is sent. With --verify the radio is read "
            "back afterwards and compared; the channels and settings that differ are listed on "
            "standard output and the status is 1. Ctrl+C (or SIGTERM, or SIGHUP when the terminal "
            "closes) stops the write, leaving the radio with the blocks written so far and a "
            "copy of the file among the backups: write again to finish."));
    command.parser().addOption(portOption());
    const QCommandLineOption verify(QStringLiteral("verify"),
                                    QStringLiteral("Read the radio back and compare."));
    command.parser().addOption(verify);
    command.addPositional(QStringLiteral("IN.sin"), QStringLiteral("The channel data file."));
    if (const std::optional<int> status = command.parse(arguments))
        return *status;
    const QString port = chosenPort(command);
    if (port.isEmpty())
        return kUsage;
    const QString in = command.positionals().at(0);
    RadioImage image;
    if (const std::optional<int> status = command.load(in, image))
        return *status;
    if (const QString why = notARadioImage(in, image); !why.isEmpty())
        return command.fail(QStringLiteral("%1: %2; nothing sent").arg(in, why));

    // Also between the write and its verify, which then stops at its first wait.
    const StopSignals stopSignals;
    QElapsedTimer clock;
    clock.start();
    const QString title = QStringLiteral("write ") + portWords(port);
    const QString verifyTitle = QStringLiteral("verify ") + portWords(port);
    TerminalTransferEvents events(title, stopRequested);
    events.onBegin = [&](TransferDirection direction) {
        if (direction == TransferDirection::Write)
            return;
        std::fprintf(stderr, "quorl-cli: %s: wrote %s (%s)\n", qPrintable(title), qPrintable(in),
                     qPrintable(seconds(clock)));
        events.setTitle(verifyTitle);
    };
    RadioSession session(port, events);
    const bool verifying = command.parser().isSet(verify);
    const SessionResult result = verifying ? session.writeAndVerify(image) : session.write(image);
    events.finish();
    if (result.step == TransferDirection::Write) {
        warnAbout(result);
        if (!result.completed())
            return transferFailed(title, result,
                                  worthABackup(TransferDirection::Write, result.transfer)
                                      ? QStringLiteral("%1 of %2 blocks written: write again "
                                                       "before using the radio")
                                            .arg(result.transfer.blocks)
                                            .arg(CloneProtocol::kWriteBlocks)
                                      : QStringLiteral("nothing written"));
        std::fprintf(stderr, "quorl-cli: %s: wrote %s (%s)\n", qPrintable(title), qPrintable(in),
                     qPrintable(seconds(clock)));
        return kSuccess;
    }
    if (!result.completed())
        return transferFailed(verifyTitle, result, QStringLiteral("the write was not verified"));
    warnAbout(result);
    const RadioImage& radio = *result.image;
    const std::vector<std::string> differences = describeDifferences(image, radio, kWriteLength);
    for (const std::string& line : differences)
        std::printf("%s\n", line.c_str());
    if (!differences.empty())
        return fail(QStringLiteral("%1: the radio does not hold what %2 holds (listed on standard "
                                   "output)")
                        .arg(verifyTitle, in));
    std::fprintf(stderr, "quorl-cli: %s: the radio holds %s\n", qPrintable(verifyTitle),
                 qPrintable(in));
    return kSuccess;
}

} // namespace quorl
