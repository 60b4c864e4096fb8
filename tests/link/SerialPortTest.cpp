// The serial port over a real pseudo-terminal: time-outs, exclusive open, purges, hang-up.

#include "SerialPort.h"
#include "Pty.h"
#include "SerialDevice.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace quorl {
namespace {

using Bytes = std::vector<std::uint8_t>;
using namespace std::chrono_literals;

// QSerialPort's notifiers want an application object on the thread that uses them.
void ensureApplication() {
    static int argc = 1;
    static char name[] = "quorl_link_serial_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
}

class SerialPortTest : public ::testing::Test {
protected:
    void SetUp() override {
        ensureApplication();
        ASSERT_TRUE(pty.isOpen()) << pty.error();
        qputenv("QUORL_COM1", QByteArray::fromStdString(pty.slavePath()));
    }
    void TearDown() override { qunsetenv("QUORL_COM1"); }

    void radioSends(const Bytes& bytes) {
        ASSERT_EQ(::write(pty.master(), bytes.data(), bytes.size()),
                  static_cast<ssize_t>(bytes.size()));
    }

    // Reads the master end until `count` bytes came or the line stayed quiet for a second.
    Bytes radioReceives(std::size_t count) {
        Bytes received;
        std::uint8_t chunk[256];
        while (received.size() < count) {
            pollfd in{pty.master(), POLLIN, 0};
            if (::poll(&in, 1, 1000) <= 0)
                break;
            const ssize_t n = ::read(pty.master(), chunk, sizeof chunk);
            if (n > 0)
                received.insert(received.end(), chunk, chunk + n);
        }
        return received;
    }

    Pty pty;
    SerialPort port;
};

// The descriptor of this process on the terminal (the port's own, while it is open), or -1.
int heldDescriptor(const std::string& path) {
    struct stat device {};
    if (::stat(path.c_str(), &device) != 0)
        return -1;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
        struct stat opened {};
        if (::stat(entry.path().c_str(), &opened) == 0 && S_ISCHR(opened.st_mode) &&
            opened.st_rdev == device.st_rdev)
            return std::stoi(entry.path().filename().string());
    }
    return -1;
}

int exclusiveFlag(int descriptor) {
    int flag = -1;
    ::ioctl(descriptor, TIOCGEXCL, &flag);
    return flag;
}

struct TimedRead {
    LinkResult result;
    qint64 elapsedMs;
};

TimedRead timedRead(SerialPort& port, std::span<std::uint8_t> buffer) {
    QElapsedTimer clock;
    clock.start();
    const LinkResult result = port.read(buffer);
    return {result, clock.elapsed()};
}

TEST_F(SerialPortTest, SilentReadGivesUpAfterTheTotalTimeOutAndKeepsTheBuffer) {
    struct Case {
        SerialTimeouts timeouts;
        qint64 expectedMs;
    };
    for (const Case& c : {Case{kCloneTimeouts, 590}, Case{kTestTimeouts, 100}}) {
        SCOPED_TRACE(c.expectedMs);
        ASSERT_TRUE(port.open(QStringLiteral("COM1"), c.timeouts));
        std::uint8_t byte = 0xAA;
        const TimedRead read = timedRead(port, {&byte, 1});
        EXPECT_TRUE(read.result.ok);
        EXPECT_EQ(read.result.count, 0u);
        EXPECT_EQ(byte, 0xAA);
        EXPECT_GE(read.elapsedMs, c.expectedMs - 5);
        EXPECT_LT(read.elapsedMs, c.expectedMs + 400); // a shared machine may be slow
        port.close();
    }
}

TEST_F(SerialPortTest, ReadEndsOnceTheIntervalPassesAfterTheLastByte) {
    struct Case {
        const char* name;
        std::vector<Bytes> chunks; // sent 20 ms or 80 ms apart
        std::chrono::milliseconds gap;
        std::size_t expected;
    };
    const Bytes five{1, 2, 3, 4, 5};
    const std::vector<Case> cases{
        {"ten bytes at once", {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}}, 0ms, 10},
        {"two bursts inside the interval", {five, five}, 20ms, 10},
        {"second burst after the interval", {five, five}, 80ms, 5},
    };
    ASSERT_TRUE(port.open(QStringLiteral("COM1"), kCloneTimeouts));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        port.purge(PurgeMode::Clear);
        std::thread radio([&] {
            for (const Bytes& chunk : c.chunks) {
                radioSends(chunk);
                std::this_thread::sleep_for(c.gap);
            }
        });
        Bytes buffer(12, 0xEE);
        const TimedRead read = timedRead(port, buffer);
        radio.join();
        EXPECT_TRUE(read.result.ok);
        EXPECT_EQ(read.result.count, c.expected);
        EXPECT_EQ(buffer[c.expected], 0xEE);
        EXPECT_EQ(buffer[11], 0xEE);
        // Far below the 6090 ms total: the 30 ms interval ended it.
        EXPECT_GE(read.elapsedMs, 28);
        EXPECT_LT(read.elapsedMs, 600);
        std::this_thread::sleep_for(c.gap);
    }
}

TEST_F(SerialPortTest, PurgeDiscardsWhatTheRadioSentBefore) {
    ASSERT_TRUE(port.open(QStringLiteral("COM1"), kTestTimeouts));
    radioSends({0x15, 0x15, 0x15});
    std::this_thread::sleep_for(20ms);
    port.purge(PurgeMode::AbortAndClear);
    radioSends({0x06});
    std::uint8_t byte = 0;
    EXPECT_EQ(port.read({&byte, 1}).count, 1u);
    EXPECT_EQ(byte, 0x06);
}

TEST_F(SerialPortTest, EveryByteWrittenArrivesDespiteAPurgeRightAfterIt) {
    constexpr std::size_t kWrites = 3000;
    ASSERT_TRUE(port.open(QStringLiteral("COM1"), kCloneTimeouts));
    Bytes received;
    std::thread radio([&] { received = radioReceives(kWrites); });
    Bytes sent;
    for (std::size_t i = 0; i < kWrites; ++i) {
        const std::uint8_t byte = static_cast<std::uint8_t>(i * 7);
        const LinkResult result = port.write({&byte, 1});
        ASSERT_TRUE(result.ok);
        ASSERT_EQ(result.count, 1u);
        port.purge(i % 2 ? PurgeMode::Clear : PurgeMode::AbortAndClear);
        sent.push_back(byte);
    }
    radio.join();
    EXPECT_EQ(received, sent);
}

TEST_F(SerialPortTest, OpenIsExclusiveAndReleasedOnClose) {
    ASSERT_TRUE(port.open(QStringLiteral("COM1"), kCloneTimeouts));
    const int held = heldDescriptor(pty.slavePath());
    ASSERT_GE(held, 0);
    EXPECT_EQ(exclusiveFlag(held), 1);
    SerialPort second;
    EXPECT_FALSE(second.open(QStringLiteral("COM1"), kCloneTimeouts));
    EXPECT_FALSE(second.errorString().isEmpty());

    port.close();
    EXPECT_EQ(heldDescriptor(pty.slavePath()), -1);
    const int watcher = ::open(pty.slavePath().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(watcher, 0);
    EXPECT_EQ(exclusiveFlag(watcher), 0);
    ::close(watcher);
    EXPECT_TRUE(second.open(QStringLiteral("COM1"), kCloneTimeouts));
}

// Whoever holds the line, another program with a plain open (no lock file, no exclusive
// flag) or this one, the port is refused before it is opened.
TEST_F(SerialPortTest, DeviceAlreadyOpenIsRefused) {
    int ready[2];
    int release[2];
    ASSERT_EQ(::pipe(ready), 0);
    ASSERT_EQ(::pipe(release), 0);
    const pid_t holder = ::fork();
    if (holder == 0) {
        ::close(release[1]);   // so that the parent's close ends the read below
        ::close(pty.master()); // another program holds the line, not the radio's end
        const int line = ::open(pty.slavePath().c_str(), O_RDWR | O_NOCTTY);
        char byte = 'h';
        [[maybe_unused]] const ssize_t told = ::write(ready[1], &byte, 1);
        [[maybe_unused]] const ssize_t released = ::read(release[0], &byte, 1);
        ::_exit(line >= 0 ? 0 : 1);
    }
    ::close(ready[1]);
    ::close(release[0]);
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    EXPECT_FALSE(port.open(QStringLiteral("COM1"), kCloneTimeouts));
    EXPECT_FALSE(port.isOpen());
    ::close(release[1]);
    int status = -1;
    ASSERT_EQ(::waitpid(holder, &status, 0), holder);
    EXPECT_EQ(status, 0);
    ::close(ready[0]);

    const int ours = ::open(pty.slavePath().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(ours, 0);
    EXPECT_FALSE(port.open(QStringLiteral("COM1"), kCloneTimeouts));
    ::close(ours);
    EXPECT_TRUE(port.open(QStringLiteral("COM1"), kCloneTimeouts));
}

// A bridge such as socat, which makes a virtual serial port, holds both ends of its
// pseudo-terminal: it is the far end of the line, not another user of it.
TEST_F(SerialPortTest, BridgeHoldingBothEndsLeavesThePortFree) {
    int ready[2];
    int release[2];
    ASSERT_EQ(::pipe(ready), 0);
    ASSERT_EQ(::pipe(release), 0);
    const pid_t bridge = ::fork();
    if (bridge == 0) {
        ::close(release[1]);
        const Pty line;
        const int end = ::open(line.slavePath().c_str(), O_RDWR | O_NOCTTY);
        const std::string path = end >= 0 ? line.slavePath() : std::string("-");
        [[maybe_unused]] const ssize_t told = ::write(ready[1], path.data(), path.size());
        char byte = 0;
        [[maybe_unused]] const ssize_t released = ::read(release[0], &byte, 1);
        ::_exit(0);
    }
    ::close(ready[1]);
    ::close(release[0]);
    char path[64] = {};
    ASSERT_GT(::read(ready[0], path, sizeof path - 1), 1);
    const QString line = QString::fromLatin1(path);
    EXPECT_TRUE(port.open(line, kCloneTimeouts)) << port.errorString().toStdString();
    port.close();
    ::close(release[1]);
    ::close(ready[0]);
    ASSERT_EQ(::waitpid(bridge, nullptr, 0), bridge);
}

TEST_F(SerialPortTest, WhatIsNoTerminalIsNoSerialPort) {
    const std::string file = testing::TempDir() + "quorl-not-a-port";
    ::close(::open(file.c_str(), O_CREAT | O_WRONLY, 0600));
    for (const std::string& path : {std::string("/dev/null"), file}) {
        EXPECT_FALSE(port.open(QString::fromStdString(path), kCloneTimeouts)) << path;
        EXPECT_EQ(port.errorString().toStdString(), "not a serial port") << path;
    }
    ::unlink(file.c_str());
}

// Who may not open the port is told how to be let in. Root opens whatever the mode says, so
// the open is tried by a user without rights.
TEST_F(SerialPortTest, PermissionDeniedNamesTheDialoutGroup) {
    ASSERT_EQ(::chmod(pty.slavePath().c_str(), 0), 0);
    int words[2];
    ASSERT_EQ(::pipe(words), 0);
    const pid_t user = ::fork();
    if (user == 0) {
        constexpr uid_t kNobody = 65534;
        if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
            ::_exit(1);
        SerialPort denied;
        const QByteArray text = denied.open(QStringLiteral("COM1"), kCloneTimeouts)
                                    ? QByteArray("opened")
                                    : denied.errorString().toUtf8();
        [[maybe_unused]] const ssize_t told = ::write(words[1], text.data(), text.size());
        ::_exit(0);
    }
    ::close(words[1]);
    char text[512] = {};
    [[maybe_unused]] const ssize_t length = ::read(words[0], text, sizeof text - 1);
    ::close(words[0]);
    ASSERT_EQ(::waitpid(user, nullptr, 0), user);
    EXPECT_TRUE(std::string(text).starts_with("Permission denied")) << text;
    EXPECT_TRUE(std::string(text).find("dialout") != std::string::npos) << text;
}

TEST_F(SerialPortTest, OpenSetsTheRadioLine) {
    ASSERT_TRUE(port.open(QStringLiteral("COM1"), kCloneTimeouts));
    termios line{};
    ASSERT_EQ(::tcgetattr(heldDescriptor(pty.slavePath()), &line), 0);
    EXPECT_EQ(::cfgetospeed(&line), B9600);
    EXPECT_EQ(::cfgetispeed(&line), B9600);
    EXPECT_EQ(line.c_cflag & CSIZE, tcflag_t{CS8});
    EXPECT_EQ(line.c_cflag & (PARENB | CSTOPB | CRTSCTS), tcflag_t{0});
    EXPECT_EQ(line.c_iflag & (IXON | IXOFF | INPCK), tcflag_t{0});
    EXPECT_EQ(line.c_lflag & (ICANON | ECHO), tcflag_t{0}); // binary: no line editing
}

TEST_F(SerialPortTest, MissingDeviceCannotBeOpened) {
    qputenv("QUORL_COM3", "/nonexistent/quorl-tty");
    EXPECT_FALSE(port.open(QStringLiteral("COM3"), kCloneTimeouts));
    EXPECT_FALSE(port.isOpen());
    qunsetenv("QUORL_COM3");
}

TEST_F(SerialPortTest, LineGoingAwayIsADeviceErrorNotATimeOut) {
    ASSERT_TRUE(port.open(QStringLiteral("COM1"), kCloneTimeouts));
    pty.hangUp();
    std::uint8_t byte = 0;
    const TimedRead read = timedRead(port, {&byte, 1});
    EXPECT_FALSE(read.result.ok);
    EXPECT_LT(read.elapsedMs, 500);
    EXPECT_EQ(port.errorString().toStdString(), "the radio or cable hung up");
    EXPECT_FALSE(port.write({&byte, 1}).ok);
    port.close();
}

TEST(SerialDevice, ComPortsMapToDevices) {
    qputenv("QUORL_COM2", "/tmp/radio-on-com2");
    qunsetenv("QUORL_COM4");
    struct Case {
        const char* name;
        const char* device;
    };
    const Case cases[] = {
        {"COM2", "/tmp/radio-on-com2"}, {"COM4", "/dev/ttyUSB3"}, {"COM1", "/dev/ttyUSB0"},
        {"/dev/ttyS0", "/dev/ttyS0"},   {"COM0", "COM0"},         {"com1", "com1"},
    };
    qunsetenv("QUORL_COM1");
    for (const Case& c : cases)
        EXPECT_EQ(serialDevicePath(QString::fromLatin1(c.name)), QString::fromLatin1(c.device))
            << c.name;
    qunsetenv("QUORL_COM2");
}

} // namespace
} // namespace quorl
