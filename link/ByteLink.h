#pragma once

// The byte pipe the radio protocols talk through. The serial port is one end; tests put the
// simulated radio at the other end with virtual time.

#include "SerialTimeouts.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <span>

namespace quorl {

enum class PurgeMode {
    Clear,         // discard what waits in the input and output queues
    AbortAndClear, // also abort a read or write in progress, then discard both queues
};

// A time-out is not a failure: ok stays true and count tells how many bytes moved.
// ok is false only for a device error (the line went away, the driver refused).
struct LinkResult {
    bool ok = false;
    std::size_t count = 0;
};

class ByteLink {
public:
    virtual ~ByteLink() = default;

    // Opens the named port exclusively and configures it; false when it cannot be opened.
    virtual bool open(const QString& portName, const SerialTimeouts& timeouts) = 0;
    virtual void purge(PurgeMode mode) = 0;
    // Returns once the bytes have left for the line, so a purge right after cannot lose them.
    virtual LinkResult write(std::span<const std::uint8_t> bytes) = 0;
    // Waits for buffer.size() bytes under the read time-outs. Positions of the buffer that no
    // byte arrived for keep their previous contents.
    virtual LinkResult read(std::span<std::uint8_t> buffer) = 0;
    // Releases the port; does nothing when it is not open.
    virtual void close() = 0;
};

} // namespace quorl
