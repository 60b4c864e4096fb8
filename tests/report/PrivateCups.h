#pragma once

// A printer system of the test's own: a CUPS scheduler in a temporary folder with three
// queues, reached through CUPS_SERVER, so that no test ever prints on the machine's printers.
//   Office      takes jobs and writes them to a file
//   Spare       the same, on another file
//   Refusing    refuses every job, as after `cupsreject`
//   Aborting    takes jobs, and aborts each when its printer fails

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

class PrivateCups {
public:
    // Points this process's CUPS_SERVER at a socket no scheduler listens on yet: until a
    // PrivateCups starts, the process sees no printer at all. Call before QApplication.
    static void isolateProcess();

    PrivateCups();
    ~PrivateCups();

    // Empty once the scheduler answers, otherwise why it does not.
    QString failure() const { return failure_; }

private:
    QTemporaryDir dir_;
    QProcess cupsd_;
    QString failure_;
};
