#pragma once

// Reading and writing the radio's whole memory: wake the radio with the handshake, then move
// the memory in 8-byte blocks, each answered and acknowledged with 0x06. A read returns what the
// radio sent and a write sends the bytes it is given: the caller decides what they replace.
// Runs on the calling thread and hands its front end a pass of waiting at fixed points.

#include "ByteLink.h"
#include "Pacer.h"
#include "RadioImage.h"
#include "TransferEvents.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

namespace quorl {

enum class TransferOutcome {
    Completed,
    Cancelled,            // the front end said stop while waiting
    PortNotOpened,        // the port could not be opened; nothing was sent
    CommunicationError,   // no answer, and the front end did not want to try again
    ShortReply,           // a read reply of fewer than ten bytes
    ReadNotAcknowledged,  // the radio did not acknowledge a read block
    WriteNotAcknowledged, // the radio did not acknowledge a written block
};

struct TransferResult {
    TransferOutcome outcome = TransferOutcome::Completed;
    int blocks = 0;            // blocks stored (read) or acknowledged (write)
    QString cause;             // what went wrong, for a developer: block address, byte counts
    std::uint16_t address = 0; // the block that failed (ShortReply, ...NotAcknowledged)
    int received = 0;          // bytes of a short reply
};

struct ReadResult : TransferResult {
    // The radio's memory as far as it arrived; erased (0xFF) wherever no byte came.
    RadioImage memory;
    // The addresses, in order, of the bytes that short replies did not bring: a reply of ten
    // or eleven bytes is taken, its missing bytes stay erased.
    std::vector<std::uint16_t> missing;
};

// "0x0026-0x0027, 0x0037": the addresses in runs, the first kListedRuns of them, then how many
// more runs there are.
QString addressRuns(const std::vector<std::uint16_t>& addresses);
// The warning after a complete read whose replies left bytes out, the same in every front end.
QString missingBytesText(const std::vector<std::uint16_t>& missing);

// The part of the memory a read covers: 0x0000..0x1FF7.
constexpr std::size_t kReadLength = 1023 * 8;

// A complete read takes the place of the document's memory. The last eight bytes, which no
// read covers, stay the document's.
void adoptRead(const RadioImage& memory, RadioImage& document);

class CloneProtocol {
public:
    static constexpr int kReadBlocks =
        static_cast<int>(kReadLength / 8);    // 0x0000..0x1FF7; 0x1FF8..0x1FFF are never read
    static constexpr int kWriteBlocks = 1021; // 0x0000..0x1FE7; 0x1FE8..0x1FFF are never sent
    static constexpr int kBlockSize = 8;
    // The part of the memory a write sends, and so what a verify compares.
    static constexpr std::size_t kWriteLength = std::size_t(kWriteBlocks) * kBlockSize;
    static constexpr int kHandshakeAttempts = 15; // per series; Retry starts another series
    // A go-ahead byte whose write keeps failing is given up after this many tries and treated
    // like a radio that did not answer.
    static constexpr int kGoAheadTries = 3;

    CloneProtocol(ByteLink& link, Pacer& pacer, TransferEvents& events);

    // One whole transfer; the port is closed on every path.
    ReadResult read(const QString& portName);
    TransferResult write(const QString& portName, const RadioImage& image);

private:
    enum class Contact { Established, Failed, Cancelled };
    enum class Ack { Received, Missing, DeviceError };

    // The block loop of the direction, run once the radio has answered the handshake.
    using Blocks = std::function<TransferResult()>;

    TransferResult run(const QString& portName, const Blocks& blocks);
    TransferResult session(const Blocks& blocks);
    Contact handshakeSeries(QString& cause);
    Contact goAhead(QString& cause);
    TransferResult readBlocks(RadioImage& image, std::vector<std::uint16_t>& missing);
    TransferResult writeBlocks(const RadioImage& image);

    bool pump(int passes, int pauseMilliseconds);
    Ack readAck();
    void send(std::span<const std::uint8_t> bytes);

    ByteLink& link_;
    Pacer& pacer_;
    TransferEvents& events_;
};

} // namespace quorl
