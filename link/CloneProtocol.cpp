#include "CloneProtocol.h"

#include "PortCloser.h"
#include "RadioHandshake.h"

#include <QStringList>

#include <algorithm>
#include <array>

namespace quorl {

namespace {

constexpr std::uint8_t kReadCommand = 0x52;  // "R"
constexpr std::uint8_t kWriteCommand = 0x57; // "W"

// A read reply is a 4-byte header we do not need, then the 8 data bytes. Ten bytes are enough
// to go on with; positions that did not arrive stay erased.
constexpr std::size_t kReplyLength = 12;
constexpr std::size_t kReplyHeader = 4;
constexpr std::size_t kShortestReply = 10;

// Pumping passes and pauses in milliseconds; the radio is paced by them.
constexpr int kHandshakePumps = 7;
constexpr int kGoAheadPumps = 601;
constexpr int kReadBlockPumps = 199;
constexpr int kWriteBlockPumps = 201;
constexpr int kBytePause = 1;
constexpr int kAttemptPause = 2;
constexpr int kBeforeReadAckPause = 15;
constexpr int kAfterReadBlockPause = 5;
constexpr int kWriteBlockPause = 1;

std::array<std::uint8_t, 4> blockHeader(std::uint8_t command, std::uint16_t address) {
    return {command, static_cast<std::uint8_t>(address >> 8),
            static_cast<std::uint8_t>(address & 0xFF), CloneProtocol::kBlockSize};
}

// "0x00A8": addresses are written alike everywhere, in upper-case digits.
QString hex(std::uint16_t address) {
    return QStringLiteral("0x") +
           QStringLiteral("%1").arg(address, 4, 16, QLatin1Char('0')).toUpper();
}

} // namespace

QString addressRuns(const std::vector<std::uint16_t>& addresses) {
    constexpr int kListedRuns = 16;
    QStringList runs;
    int unlisted = 0;
    for (std::size_t first = 0; first < addresses.size();) {
        std::size_t last = first;
        while (last + 1 < addresses.size() && addresses[last + 1] == addresses[last] + 1)
            ++last;
        if (runs.size() == kListedRuns)
            ++unlisted;
        else if (last == first)
            runs.append(hex(addresses[first]));
        else
            runs.append(hex(addresses[first]) + QLatin1Char('-') + hex(addresses[last]));
        first = last + 1;
    }
    if (unlisted > 0)
        runs.append(QStringLiteral("and %1 more").arg(unlisted));
    return runs.join(QStringLiteral(", "));
}

QString missingBytesText(const std::vector<std::uint16_t>& missing) {
    const QString bytes = missing.size() == 1 ? QStringLiteral("1 byte")
                                              : QStringLiteral("%1 bytes").arg(missing.size());
    return QStringLiteral("The read finished, but the radio's replies left out %1: %2. They are "
                          "kept as FF; check them before writing this data back to a radio.")
        .arg(bytes, addressRuns(missing));
}

void adoptRead(const RadioImage& memory, RadioImage& document) {
    std::copy_n(memory.begin(), kReadLength, document.begin());
}

CloneProtocol::CloneProtocol(ByteLink& link, Pacer& pacer, TransferEvents& events)
    : link_(link), pacer_(pacer), events_(events) {}

ReadResult CloneProtocol::read(const QString& portName) {
    ReadResult result;
    result.memory.fill(kErased);
    static_cast<TransferResult&>(result) =
        run(portName, [&] { return readBlocks(result.memory, result.missing); });
    return result;
}

TransferResult CloneProtocol::write(const QString& portName, const RadioImage& image) {
    return run(portName, [&] { return writeBlocks(image); });
}

TransferResult CloneProtocol::run(const QString& portName, const Blocks& blocks) {
    if (!link_.open(portName, kCloneTimeouts))
        return {TransferOutcome::PortNotOpened, 0, QStringLiteral("cannot open ") + portName, 0, 0};
    const PortCloser closer(link_);
    return session(blocks);
}

TransferResult CloneProtocol::session(const Blocks& blocks) {
    events_.stage(TransferStage::Detecting);
    for (;;) {
        QString cause;
        switch (handshakeSeries(cause)) {
        case Contact::Cancelled:
            return {TransferOutcome::Cancelled, 0, cause, 0, 0};
        case Contact::Established:
            return blocks();
        case Contact::Failed:
            if (!events_.retry(RetryReason::NoAnswer))
                return {TransferOutcome::CommunicationError, 0, cause, 0, 0};
            break;
        }
    }
}

CloneProtocol::Contact CloneProtocol::handshakeSeries(QString& cause) {
    for (int attempt = 1; attempt <= kHandshakeAttempts; ++attempt) {
        if (!pump(kHandshakePumps, kBytePause))
            return Contact::Cancelled;
        events_.stage(TransferStage::Waiting);
        link_.purge(PurgeMode::AbortAndClear);
        for (const std::uint8_t byte : kHandshake) {
            pacer_.pause(kBytePause);
            send({&byte, 1});
        }
        // The radio may clear its throat first: one more byte is allowed, unless the line died.
        Ack ack = readAck();
        if (ack == Ack::Missing)
            ack = readAck();
        if (ack == Ack::Received)
            return goAhead(cause);
        pacer_.pause(kAttemptPause);
    }
    cause = QStringLiteral("no answer to %1 handshakes").arg(kHandshakeAttempts);
    return Contact::Failed;
}

CloneProtocol::Contact CloneProtocol::goAhead(QString& cause) {
    pacer_.pause(kBytePause);
    send({&kModeSelect, 1});
    pacer_.pause(kBytePause);
    send({&kModeSelectEnd, 1});

    std::array<std::uint8_t, kIdentLength> ident{};
    if (!link_.read(ident).ok) {
        cause = QStringLiteral("device error while reading the radio's answer to the handshake");
        return Contact::Failed;
    }

    bool written = false;
    for (int tries = 0; !written && tries < kGoAheadTries; ++tries) {
        link_.purge(PurgeMode::Clear);
        written = link_.write({&kAck, 1}).ok;
        if (!written && !events_.retry(RetryReason::GoAheadNotWritten))
            break;
    }
    if (!written) {
        cause =
            QStringLiteral("the go-ahead byte could not be written %1 times").arg(kGoAheadTries);
        return Contact::Failed;
    }

    switch (readAck()) {
    case Ack::Received:
        return Contact::Established;
    case Ack::DeviceError:
        cause = QStringLiteral("device error while waiting for the go-ahead acknowledgement");
        return Contact::Failed;
    case Ack::Missing:
        break;
    }
    if (!pump(kGoAheadPumps, kBytePause))
        return Contact::Cancelled;
    cause = QStringLiteral("the go-ahead was not acknowledged");
    return Contact::Failed;
}

TransferResult CloneProtocol::readBlocks(RadioImage& image, std::vector<std::uint16_t>& missing) {
    std::uint16_t address = 0;
    for (int block = 0; block < kReadBlocks; ++block) {
        send(blockHeader(kReadCommand, address));
        std::array<std::uint8_t, kReplyLength> reply{};
        const LinkResult received = link_.read(reply);
        if (received.count < kShortestReply) {
            return {TransferOutcome::ShortReply, block,
                    QStringLiteral("block %1: %2 of %3 bytes")
                        .arg(hex(address))
                        .arg(received.count)
                        .arg(kReplyLength),
                    address, static_cast<int>(received.count)};
        }
        link_.purge(PurgeMode::Clear);
        const std::size_t dataBytes = received.count - kReplyHeader;
        std::copy_n(reply.begin() + kReplyHeader, dataBytes, image.begin() + address);
        for (std::size_t lost = dataBytes; lost < kBlockSize; ++lost)
            missing.push_back(static_cast<std::uint16_t>(address + lost));
        address += kBlockSize;
        events_.progress(block + 1, kReadBlocks);
        pacer_.pause(kBeforeReadAckPause);
        send({&kAck, 1});
        if (readAck() != Ack::Received) {
            const auto failed = static_cast<std::uint16_t>(address - kBlockSize);
            return {TransferOutcome::ReadNotAcknowledged, block + 1,
                    QStringLiteral("block %1 not acknowledged").arg(hex(failed)), failed, 0};
        }
        if (!pump(kReadBlockPumps, 0))
            return {TransferOutcome::Cancelled, block + 1, {}, 0, 0};
        pacer_.pause(kAfterReadBlockPause);
    }
    return {TransferOutcome::Completed, kReadBlocks, {}, 0, 0};
}

TransferResult CloneProtocol::writeBlocks(const RadioImage& image) {
    std::uint16_t address = 0;
    for (int block = 0; block < kWriteBlocks; ++block) {
        send(blockHeader(kWriteCommand, address));
        pacer_.pause(kWriteBlockPause);
        send({image.data() + address, kBlockSize});
        if (readAck() != Ack::Received) {
            return {TransferOutcome::WriteNotAcknowledged, block,
                    QStringLiteral("block %1 not acknowledged").arg(hex(address)), address, 0};
        }
        address += kBlockSize;
        events_.progress(block + 1, kWriteBlocks);
        if (!pump(kWriteBlockPumps, 0))
            return {TransferOutcome::Cancelled, block + 1, {}, 0, 0};
        pacer_.pause(kWriteBlockPause);
    }
    return {TransferOutcome::Completed, kWriteBlocks, {}, 0, 0};
}

bool CloneProtocol::pump(int passes, int pauseMilliseconds) {
    for (int pass = 0; pass < passes; ++pass) {
        if (!events_.betweenWaits())
            return false;
        if (pauseMilliseconds > 0)
            pacer_.pause(pauseMilliseconds);
    }
    return true;
}

CloneProtocol::Ack CloneProtocol::readAck() {
    std::uint8_t byte = 0;
    const LinkResult received = link_.read({&byte, 1});
    if (!received.ok)
        return Ack::DeviceError;
    return received.count == 1 && byte == kAck ? Ack::Received : Ack::Missing;
}

// The success of a write is not looked at: a lost byte shows up as a missing answer.
void CloneProtocol::send(std::span<const std::uint8_t> bytes) {
    link_.purge(PurgeMode::Clear);
    link_.write(bytes);
}

} // namespace quorl
