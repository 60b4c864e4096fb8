#include "TransferEnd.h"

namespace quorl {

volatile std::sig_atomic_t stopRequested = 0;

namespace {

extern "C" void requestStop(int signal) {
    stopRequested = signal;
}

} // namespace

StopSignals::StopSignals() {
    stopRequested = 0;
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        sigaction(kSignals[i], &action, &previous_[i]);
}

StopSignals::~StopSignals() {
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        sigaction(kSignals[i], &previous_[i], nullptr);
}

QString stopWords(int signal) {
    switch (signal) {
    case SIGINT:
        return QStringLiteral("stopped by Ctrl+C");
    case SIGHUP:
        return QStringLiteral("stopped: the terminal hung up (SIGHUP)");
    default:
        return QStringLiteral("stopped by SIGTERM");
    }
}

QString failureWords(const TransferResult& result, const QString& portError) {
    QString words;
    switch (result.outcome) {
    case TransferOutcome::Completed:
        break;
    case TransferOutcome::Cancelled:
        return stopWords(stopRequested);
    case TransferOutcome::PortNotOpened:
        words = QStringLiteral("cannot open the port");
        break;
    case TransferOutcome::CommunicationError:
        words = QStringLiteral("the radio does not answer (%1); check the cable and that the "
                               "radio is switched on")
                    .arg(result.cause);
        break;
    case TransferOutcome::ShortReply:
        words = QStringLiteral("the radio's reply was cut short (%1)").arg(result.cause);
        break;
    case TransferOutcome::ReadNotAcknowledged:
    case TransferOutcome::WriteNotAcknowledged:
        words = QStringLiteral("the radio stopped answering (%1)").arg(result.cause);
        break;
    }
    if (!portError.isEmpty())
        words += QStringLiteral(": ") + portError;
    return words;
}

QStringList sessionWarnings(const SessionResult& result) {
    QStringList warnings;
    for (const BackupResult& backup : result.backups)
        if (!backup.ok())
            warnings.push_back(QStringLiteral("no backup kept: ") + backup.error);
        else if (!backup.warning.isEmpty())
            warnings.push_back(backup.warning);
    if (!result.missing.empty())
        warnings.push_back(missingBytesText(result.missing));
    return warnings;
}

} // namespace quorl
