// ports, read and write: the commands that talk to a radio on a serial port.

#include "CommandParser.h"
#include "Commands.h"
#include "FileAccess.h"
#include "FleetWrite.h"
#include "ImageWords.h"
#include "RadioSession.h"
#include "SerialDevice.h"
#include "SettingsCodec.h"
#include "TerminalTransferEvents.h"
#include "TransferEnd.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSerialPortInfo>

#include <cstdio>

namespace quorl {

namespace {

constexpr int kComPorts = 4;

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
QString chosenPort(CommandParser& command, const QString& port) {
    static const QRegularExpression com(QStringLiteral("^COM[1-4]$"));
    if (com.match(port).hasMatch() || port.startsWith(QLatin1Char('/')))
        return port;
    command.fail(QStringLiteral("--port takes COM1 to COM4 or a device path, not \"%1\"").arg(port),
                 kUsage);
    return {};
}

QString chosenPort(CommandParser& command) {
    return chosenPort(command, command.parser().value(QStringLiteral("port")));
}

// Every --port of a write, each a different device. Empty, after the usage error, otherwise.
QStringList chosenPorts(CommandParser& command) {
    QStringList ports;
    QStringList devices;
    for (const QString& given : command.parser().values(QStringLiteral("port"))) {
        const QString port = chosenPort(command, given);
        if (port.isEmpty())
            return {};
        const QFileInfo device(serialDevicePath(port));
        const QString path = device.canonicalFilePath().isEmpty() ? device.absoluteFilePath()
                                                                  : device.canonicalFilePath();
        if (const qsizetype earlier = devices.indexOf(path); earlier >= 0) {
            command.fail(QStringLiteral("%1 and %2 are the same port").arg(ports[earlier], port),
                         kUsage);
            return {};
        }
        ports.push_back(port);
        devices.push_back(path);
    }
    return ports;
}

void printPort(const QString& name, const QString& device, const QString& words) {
    const QString line = QStringLiteral("%1 %2 %3").arg(name, -5).arg(device, -14).arg(words);
    std::printf("%s\n", qPrintable(line.trimmed()));
}

QString seconds(const QElapsedTimer& clock) {
    return QString::number(clock.elapsed() / 1000.0, 'f', 1) + QStringLiteral(" s");
}

int transferFailed(const QString& title, const SessionResult& result, const QString& consequence) {
    return fail(QStringLiteral("%1: %2; %3")
                    .arg(title, failureWords(result.transfer, result.deviceError), consequence),
                result.transfer.outcome == TransferOutcome::Cancelled
                    ? kStoppedBySignal + stopRequested
                    : kFailure);
}

// The warnings a finished session leaves.
void warnAbout(const SessionResult& result) {
    for (const QString& warning : sessionWarnings(result))
        warn(warning);
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
            "copy of the file among the backups: write again to finish. Given several times, "
            "--port writes one radio on each port at the same time, with a progress line each and "
            "a table on standard output at the end: port, result, time, verify result and the "
            "backup that undoes the write (with --read-first) or holds what was sent. With "
            "--read-first, --repeat or --log one port gets that table too. The status is then 0 "
            "only when every radio succeeded."));
    command.parser().addOption(portOption());
    const QCommandLineOption verify(QStringLiteral("verify"),
                                    QStringLiteral("Read the radio back and compare."));
    const QCommandLineOption readFirst(
        QStringLiteral("read-first"),
        QStringLiteral("Read the radio first and keep that copy, which undoes the write; when "
                       "the read fails, nothing is written."));
    const QCommandLineOption repeat(
        QStringLiteral("repeat"),
        QStringLiteral("Afterwards, ask for the next radios on the same ports (Enter to go on, q "
                       "to stop)."));
    const QCommandLineOption log(
        QStringLiteral("log"),
        QStringLiteral("Add a CSV line per radio to LOG: time (UTC), port, file, result, verify "
                       "result, backups."),
        QStringLiteral("LOG"));
    command.parser().addOptions({verify, readFirst, repeat, log});
    command.addPositional(QStringLiteral("IN.sin"), QStringLiteral("The channel data file."));
    if (const std::optional<int> status = command.parse(arguments))
        return *status;
    const QStringList ports = chosenPorts(command);
    if (ports.isEmpty())
        return kUsage;
    const QString port = ports.front();
    const QString in = command.positionals().at(0);
    RadioImage image;
    if (const std::optional<int> status = command.load(in, image))
        return *status;
    if (const QString why = notARadioImage(in, image); !why.isEmpty())
        return command.fail(QStringLiteral("%1: %2; nothing sent").arg(in, why));
    if (ports.size() > 1 || command.parser().isSet(readFirst) || command.parser().isSet(repeat) ||
        command.parser().isSet(log))
        return runFleetWrite(ports, image, QFileInfo(in).absoluteFilePath(),
                             {command.parser().isSet(verify), command.parser().isSet(readFirst)},
                             command.parser().isSet(repeat), command.parser().value(log));

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
    session.setFileSent(QFileInfo(in).absoluteFilePath());
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
    const std::vector<std::string> differences =
        describeDifferences(image, radio, CloneProtocol::kWriteLength);
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
