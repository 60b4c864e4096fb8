#pragma once

// The radio's serial line: 9600 baud, 8 data bits, no parity, 1 stop bit, opened exclusively
// for one job and closed again. Reads and writes block under the driver time-outs of a
// SerialTimeouts profile, the way the radio protocols expect them.

#include "ByteLink.h"

#include <QString>

#include <memory>

class QSerialPort;

namespace quorl {

class SerialPort final : public ByteLink {
public:
    SerialPort();
    ~SerialPort() override;
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    // "COM1".."COM4" are mapped by serialDevicePath(). Fails when the device does not exist
    // or somebody, this program included, holds it already.
    bool open(const QString& portName, const SerialTimeouts& timeouts) override;
    void purge(PurgeMode mode) override;
    // Waits until the bytes have left the driver, at most writeTotal(count) ms; bytes still
    // queued then are dropped and not counted.
    LinkResult write(std::span<const std::uint8_t> bytes) override;
    // Returns when the buffer is full, after readTotal(count) ms, or once readInterval ms pass
    // without a new byte after the first one. Only a device error is a failure.
    LinkResult read(std::span<std::uint8_t> buffer) override;
    void close() override;

    bool isOpen() const { return port_ != nullptr; }
    // The system's words for the last failed open, read or write, or plainer ones where those
    // would not help: "not a serial port", "the radio or cable hung up", and how to join the
    // dialout group after "Permission denied".
    QString errorString() const { return error_; }

private:
    LinkResult deviceError(std::size_t count);

    std::unique_ptr<QSerialPort> port_;
    SerialTimeouts timeouts_{};
    QString error_;
};

} // namespace quorl
