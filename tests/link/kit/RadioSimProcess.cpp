#include "RadioSimProcess.h"

namespace quorl::testkit {

namespace {
constexpr int kStartMs = 5000;
} // namespace

RadioSimProcess::~RadioSimProcess() {
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished();
    }
}

QString RadioSimProcess::start(const QStringList& arguments, bool keepErrorOutput) {
    process_.setProcessChannelMode(keepErrorOutput ? QProcess::SeparateChannels
                                                   : QProcess::ForwardedErrorChannel);
    process_.start(QStringLiteral(QUORL_RADIO_SIM), arguments);
    if (!process_.waitForStarted(kStartMs))
        return {};
    while (!process_.canReadLine() && process_.waitForReadyRead(kStartMs)) {
    }
    return QString::fromLocal8Bit(process_.readLine()).trimmed();
}

bool RadioSimProcess::stop() {
    process_.terminate();
    return process_.waitForFinished(kStartMs) && process_.exitStatus() == QProcess::NormalExit &&
           process_.exitCode() == 0;
}

} // namespace quorl::testkit
