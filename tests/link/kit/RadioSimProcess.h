#pragma once

// The quorl-radio-sim program started for a test, the way a user starts it: it serves a
// pseudo-terminal until it gets SIGTERM.

#include <QProcess>
#include <QString>
#include <QStringList>

namespace quorl::testkit {

class RadioSimProcess {
public:
    RadioSimProcess() = default;
    ~RadioSimProcess();
    RadioSimProcess(const RadioSimProcess&) = delete;
    RadioSimProcess& operator=(const RadioSimProcess&) = delete;

    // Starts the program and waits for the terminal path it prints; empty when it did not.
    // What it says on standard error goes to the test's own, or, kept, to errorOutput().
    QString start(const QStringList& arguments, bool keepErrorOutput = false);
    // SIGTERM, then waits; true when the program ended normally with status 0.
    bool stop();
    QString errorOutput() { return QString::fromLocal8Bit(process_.readAllStandardError()); }

private:
    QProcess process_;
};

} // namespace quorl::testkit
