#pragma once

// Reading and writing the radio's whole memory: wake the radio with the handshake, then move
// the memory in 8-byte blocks, each answered and acknowledged with 0x06. Runs on the UI thread
// and keeps the windows alive by pumping events at fixed points.

#include "ByteLink.h"
#include "Pacer.h"
#include "RadioImage.h"
#include "TransferUi.h"

#include <QString>

#include <cstdint>

namespace quorl {

enum class TransferDirection { Read, Write };

enum class TransferOutcome {
    Completed,
    Cancelled,            // Cancel, the close box or an interruption; no message
    PortNotOpened,        // "Could not Open the Port,..."
    CommunicationError,   // Cancel in the "Communication Error，..." box
    ShortReply,           // "not received enough  byte"
    ReadNotAcknowledged,  // "Error had happen,please try again"
    WriteNotAcknowledged, // " Program Interrupt，Please reset the radio and try again"
};

struct TransferResult {
    TransferOutcome outcome = TransferOutcome::Completed;
    int blocks = 0; // blocks stored (read) or acknowledged (write)
    QString cause;  // what went wrong, for a developer: block address, byte counts
};

class CloneProtocol {
public:
    static constexpr int kReadBlocks = 1023;  // 0x0000..0x1FF7; 0x1FF8..0x1FFF are never read
    static constexpr int kWriteBlocks = 1021; // 0x0000..0x1FE7; 0x1FE8..0x1FFF are never sent
    static constexpr int kBlockSize = 8;
    static constexpr int kHandshakeAttempts = 15; // per series; Retry starts another series
    // A go-ahead byte whose write keeps failing is given up after this many tries and treated
    // like a radio that did not answer (the Communication Error box, with Retry and Cancel).
    static constexpr int kGoAheadTries = 3;

    CloneProtocol(ByteLink& link, Pacer& pacer, TransferUi& ui);

    // One whole transfer, started by the dialog's Start. Runs EncodeImage first for a write
    // and DecodeImage after a complete read; closes the port and the dialog on every path.
    TransferResult run(TransferDirection direction, const QString& portName, RadioImage& image);

private:
    enum class Contact { Established, Failed, Cancelled };
    enum class Ack { Received, Missing, DeviceError };

    TransferResult session(TransferDirection direction, RadioImage& image);
    Contact handshakeSeries(QString& cause);
    Contact goAhead(QString& cause);
    TransferResult readBlocks(RadioImage& image);
    TransferResult writeBlocks(const RadioImage& image);
    void finish(TransferDirection direction, const TransferResult& result);

    bool pump(int passes, int pauseMilliseconds);
    Ack readAck();
    void send(std::span<const std::uint8_t> bytes);
    MessageAnswer tell(const QString& text, MessageButtons buttons = MessageButtons::Ok);

    ByteLink& link_;
    Pacer& pacer_;
    TransferUi& ui_;
};

} // namespace quorl
