#include "CliRun.h"

#include <QCoreApplication>

namespace {

constexpr int kLongestRunMs = 120'000;

// QProcess wants an application object in its thread.
void ensureApplication() {
    static int argc = 1;
    static char name[] = "cli_tests";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        static QCoreApplication application(argc, argv);
}

} // namespace

CliRun::CliRun() : environment_((ensureApplication(), QProcessEnvironment::systemEnvironment())) {
    environment_.insert(QStringLiteral("QUORL_BACKUPS"), backups_.path());
    // Ports nobody mapped lead nowhere, whatever this machine has.
    for (int n = 1; n <= 4; ++n)
        environment_.insert(QStringLiteral("QUORL_COM%1").arg(n),
                            QStringLiteral("/nonexistent/quorl-port"));
}

void CliRun::mapPort(const QString& comName, const QString& device) {
    environment_.insert(QStringLiteral("QUORL_") + comName, device);
}

QProcess& CliRun::start(const QStringList& arguments) {
    process_.setProcessEnvironment(environment_);
    process_.start(QStringLiteral(QUORL_CLI), arguments);
    process_.waitForStarted();
    return process_;
}

CliOutput CliRun::finish() {
    if (!process_.waitForFinished(kLongestRunMs))
        process_.kill();
    process_.waitForFinished();
    return {process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1,
            QString::fromLocal8Bit(process_.readAllStandardOutput()),
            QString::fromLocal8Bit(process_.readAllStandardError())};
}

CliOutput CliRun::run(const QStringList& arguments) {
    start(arguments);
    return finish();
}
