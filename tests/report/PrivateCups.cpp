#include "PrivateCups.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

namespace {

QString socketPath() {
    static const QString path = QDir::temp().filePath(
        QStringLiteral("quorl-test-cups-%1.sock").arg(QCoreApplication::applicationPid()));
    return path;
}

bool writeText(const QString& path, const QString& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size();
}

} // namespace

void PrivateCups::isolateProcess() {
    qputenv("CUPS_SERVER", QFile::encodeName(socketPath()));
}

PrivateCups::PrivateCups() {
    const QString cupsd = QStringLiteral("/usr/sbin/cupsd");
    if (!QFileInfo(cupsd).isExecutable()) {
        failure_ = QStringLiteral("cupsd is missing: scripts/bootstrap installs it (cups-daemon)");
        return;
    }
    const QString root = dir_.path();
    for (const char* folder : {"conf", "spool", "cache", "state", "out", "bin/backend"})
        QDir(root).mkpath(QLatin1String(folder));
    // The system's filters, and a printer connection that always fails.
    for (const char* folder : {"filter", "daemon", "cgi-bin", "notifier", "monitor"})
        QFile::link(QStringLiteral("/usr/lib/cups/") + QLatin1String(folder),
                    root + QStringLiteral("/bin/") + QLatin1String(folder));
    const QString failing = root + QStringLiteral("/bin/backend/failing");
    writeText(failing, QStringLiteral("#!/bin/sh\n[ $# -eq 0 ] && exit 0\n"
                                      "echo 'ERROR: the printer failed' >&2\nexit 1\n"));
    QFile::setPermissions(failing, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::setPermissions(root + QStringLiteral("/out"), QFile::Permissions(0x7777));
    const QString logs = QStringLiteral("ErrorLog %1/error_log\nAccessLog %1/access_log\n"
                                        "PageLog %1/page_log\n")
                             .arg(root);
    const QString queue = QStringLiteral("<Printer %1>\nState Idle\nAccepting %2\n"
                                         "ErrorPolicy abort-job\nDeviceURI %3\nType 4\n"
                                         "</Printer>\n");
    const auto fileUri = [&root](const char* name) {
        return QStringLiteral("file://%1/out/%2.prn").arg(root, QLatin1String(name));
    };
    const bool written =
        writeText(root + QStringLiteral("/conf/cupsd.conf"),
                  QStringLiteral("Listen %1\nLogLevel warn\nWebInterface No\nBrowsing No\n"
                                 "<Location />\nOrder allow,deny\nAllow all\n</Location>\n")
                          .arg(socketPath()) +
                      logs) &&
        writeText(root + QStringLiteral("/conf/cups-files.conf"),
                  QStringLiteral("ServerRoot %1/conf\nRequestRoot %1/spool\nCacheDir %1/cache\n"
                                 "StateDir %1/state\nTempDir %1/spool\nServerBin %1/bin\n"
                                 "FileDevice Yes\n")
                          .arg(root) +
                      logs) &&
        writeText(
            root + QStringLiteral("/conf/printers.conf"),
            queue.arg(QStringLiteral("Office"), QStringLiteral("Yes"), fileUri("Office")) +
                queue.arg(QStringLiteral("Spare"), QStringLiteral("Yes"), fileUri("Spare")) +
                queue.arg(QStringLiteral("Refusing"), QStringLiteral("No"), fileUri("Refusing")) +
                queue.arg(QStringLiteral("Aborting"), QStringLiteral("Yes"),
                          QStringLiteral("failing:/")));
    if (!written) {
        failure_ = QStringLiteral("cannot write the scheduler's configuration in ") + root;
        return;
    }
    QFile::remove(socketPath());
    cupsd_.setProcessChannelMode(QProcess::MergedChannels);
    cupsd_.start(cupsd, {QStringLiteral("-f"), QStringLiteral("-c"), root + "/conf/cupsd.conf",
                         QStringLiteral("-s"), root + "/conf/cups-files.conf"});
    cupsd_.waitForStarted();
    const QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired() && cupsd_.state() == QProcess::Running) {
        if (QFileInfo::exists(socketPath()))
            return;
        QThread::msleep(50);
    }
    failure_ = QStringLiteral("cupsd did not start: ") + QString::fromLocal8Bit(cupsd_.readAll());
}

PrivateCups::~PrivateCups() {
    if (cupsd_.state() == QProcess::NotRunning)
        return;
    cupsd_.terminate();
    if (!cupsd_.waitForFinished(5000))
        cupsd_.kill();
    cupsd_.waitForFinished(2000);
    QFile::remove(socketPath());
}
