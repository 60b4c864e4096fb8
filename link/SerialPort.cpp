#include "SerialPort.h"

#include "DeviceUsers.h"
#include "SerialDevice.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QSerialPort>

#include <algorithm>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#endif

namespace quorl {

namespace {

constexpr qint64 kInputQueueSize = 1024;

const QString kNotASerialPort = QStringLiteral("not a serial port");
const QString kHungUp = QStringLiteral("the radio or cable hung up");
const QString kDialoutHint = QStringLiteral(" (only members of the dialout group may use serial "
                                            "ports: sudo adduser $USER dialout, then log out and "
                                            "back in)");

int remainingMs(const QDeadlineTimer& deadline) {
    return static_cast<int>(std::max<qint64>(0, deadline.remainingTime()));
}

// Whether the far end has gone: the radio's pseudo-terminal closed, the cable unplugged.
bool hungUp(const QSerialPort& port) {
#ifdef Q_OS_UNIX
    pollfd line{static_cast<int>(port.handle()), 0, 0};
    return ::poll(&line, 1, 0) == 1 && (line.revents & POLLHUP) != 0;
#else
    return port.error() == QSerialPort::ResourceError;
#endif
}

} // namespace

SerialPort::SerialPort() = default;

SerialPort::~SerialPort() {
    close();
}

bool SerialPort::open(const QString& portName, const SerialTimeouts& timeouts) {
    close();
    const QString device = serialDevicePath(portName);
    if (isPlainlyNotATerminal(device)) {
        error_ = kNotASerialPort;
        return false;
    }
    // The exclusive flag below keeps out only those who come after us: a device that another
    // program, or another part of this one, has open already is refused before opening, which
    // would disturb its line.
    if (isDeviceOpen(device)) {
        error_ = QString::fromLocal8Bit(std::strerror(EBUSY));
        return false;
    }
    auto port = std::make_unique<QSerialPort>();
    port->setPortName(device);
    // QSerialPort opens only an existing device and keeps other Qt programs out with a lock
    // file; it puts the line into raw mode without flow control, which the radio never uses.
    if (!port->open(QIODevice::ReadWrite)) {
        error_ = port->errorString();
        if (port->error() == QSerialPort::PermissionError)
            error_ += kDialoutHint;
        return false;
    }
#ifdef Q_OS_UNIX
    // Keeps out every other opener of the device, whatever program it is.
    ::ioctl(port->handle(), TIOCEXCL);
#endif
    // A port that refuses one of these settings is used as it is. There is no output queue
    // size to ask for on POSIX.
    port->setReadBufferSize(kInputQueueSize);
    timeouts_ = timeouts;
    port->setBaudRate(QSerialPort::Baud9600);
    port->setDataBits(QSerialPort::Data8);
    port->setParity(QSerialPort::NoParity);
    port->setStopBits(QSerialPort::OneStop);
    port_ = std::move(port);
    error_.clear();
    return true;
}

void SerialPort::purge(PurgeMode /*mode*/) {
    if (!port_)
        return;
    // Nothing is ever in progress or waiting to go out: write returns only once its bytes have
    // left. Flushing the output side would also be harmful on a pseudo-terminal, where it
    // throws away bytes the far end has not picked up yet. So both modes clear the input.
    port_->clear(QSerialPort::Input);
}

LinkResult SerialPort::write(std::span<const std::uint8_t> bytes) {
    if (!port_)
        return {};
    port_->clearError();
    const QDeadlineTimer deadline(timeouts_.writeTotal(bytes.size()));
    const auto size = static_cast<qint64>(bytes.size());
    if (port_->write(reinterpret_cast<const char*>(bytes.data()), size) != size)
        return deviceError(0);
    while (port_->bytesToWrite() > 0 && !deadline.hasExpired()) {
        if (!port_->waitForBytesWritten(remainingMs(deadline)) &&
            port_->error() != QSerialPort::TimeoutError && port_->error() != QSerialPort::NoError)
            return deviceError(static_cast<std::size_t>(size - port_->bytesToWrite()));
    }
    const qint64 unsent = port_->bytesToWrite();
    if (unsent > 0)
        port_->clear(QSerialPort::Output); // timed out: what did not go never goes
#ifdef Q_OS_UNIX
    ::tcdrain(port_->handle());
#endif
    return {true, static_cast<std::size_t>(size - unsent)};
}

LinkResult SerialPort::read(std::span<std::uint8_t> buffer) {
    if (!port_)
        return {};
    port_->clearError();
    QElapsedTimer clock;
    clock.start();
    const qint64 total = timeouts_.readTotal(buffer.size());
    std::size_t received = 0;
    qint64 lastByteAt = 0;
    while (received < buffer.size()) {
        const qint64 got = port_->read(reinterpret_cast<char*>(buffer.data() + received),
                                       static_cast<qint64>(buffer.size() - received));
        if (got < 0)
            return deviceError(received);
        if (got > 0) {
            received += static_cast<std::size_t>(got);
            lastByteAt = clock.elapsed();
            continue;
        }
        qint64 wait = total - clock.elapsed();
        if (received > 0)
            wait = std::min(wait, lastByteAt + timeouts_.readInterval - clock.elapsed());
        if (wait <= 0)
            break;
        if (!port_->waitForReadyRead(static_cast<int>(wait)) &&
            port_->error() != QSerialPort::TimeoutError && port_->error() != QSerialPort::NoError)
            return deviceError(received);
    }
    return {true, received};
}

void SerialPort::close() {
    if (!port_)
        return;
#ifdef Q_OS_UNIX
    // The exclusive flag belongs to the device and outlives us while anyone else keeps it
    // open (the simulated radio holds its own end, for one): give it back.
    ::ioctl(port_->handle(), TIOCNXCL);
#endif
    port_->close();
    port_.reset();
}

// A line that went away leaves the system's words of the call that noticed it, such as
// "Inappropriate ioctl for device", which tell the user nothing.
LinkResult SerialPort::deviceError(std::size_t count) {
    error_ = hungUp(*port_) ? kHungUp : port_->errorString();
    return {false, count};
}

} // namespace quorl
