#pragma once

// Ways the simulated radio can misbehave, to see how the program copes.

#include <optional>
#include <string>
#include <string_view>

namespace quorl {

enum class SimFaultKind {
    Silent,             // stops answering altogether
    WrongHandshakeByte, // answers the handshake with 0x15 before its 0x06
    NoGoAheadAnswer,    // never acknowledges the go-ahead 0x06
    ShortReadReply,     // a read reply of replyLength bytes instead of 12
    MissingBlockAck,    // no 0x06 after the program acknowledges a read block
    MissingWriteAck,    // no 0x06 after a write block
    DroppedWrite,       // acknowledges a write block but keeps what it held
    HangUp,             // the line goes away
    NoCommandAck,       // test mode: takes the parameter command, then stays silent
    NoFrequencyAck,     // test mode: takes the frequency frame, then stays silent
};

struct SimFault {
    SimFault() = default;
    explicit(false)
        SimFault(SimFaultKind kind, std::optional<int> block = std::nullopt, int replyLength = 10)
        : kind(kind), block(block), replyLength(replyLength) {}

    SimFaultKind kind = SimFaultKind::Silent;
    // The block (address / 8) the fault strikes at. Silent and HangUp last from there on,
    // the others strike that one block. Without a block: Silent and HangUp from the first
    // byte, the others at every block. The handshake and test-mode faults take no block.
    std::optional<int> block;
    int replyLength = 10; // ShortReadReply only, 0..11

    bool strikes(int atBlock) const { return !block || *block == atBlock; }
};

// "silent", "wrong-ack", "no-go-ahead", "short:N", "no-block-ack", "no-write-ack",
// "drop-write", "hang-up", "no-command-ack", "no-frequency-ack"; the block faults optionally
// followed by "@BLOCK"
// ("short:9@5").
std::optional<SimFault> parseSimFault(std::string_view text);

// The text parseSimFault understands, for usage messages.
std::string simFaultSyntax();

} // namespace quorl
