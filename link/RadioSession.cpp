#include "RadioSession.h"

#include <QDateTime>
#include <QLoggingCategory>

namespace quorl {

namespace {

Q_LOGGING_CATEGORY(lcTransfer, "quorl.transfer")

} // namespace

RadioSession::RadioSession(QString portName, TransferEvents& events, ByteLink* line, Pacer* pacer)
    : portName_(std::move(portName)), events_(events),
      protocol_(line ? *line : serialPort_, pacer ? *pacer : threadPacer_, events) {}

SessionResult RadioSession::read(const RadioImage& base) {
    SessionResult result;
    readInto(base, result);
    return result;
}

SessionResult RadioSession::write(const RadioImage& image) {
    SessionResult result;
    writeFrom(image, result);
    return result;
}

SessionResult RadioSession::writeAndVerify(const RadioImage& image) {
    SessionResult result;
    writeFrom(image, result);
    if (result.completed())
        readInto(image, result);
    return result;
}

SessionResult RadioSession::readThenWrite(const RadioImage& base, const RadioImage& image) {
    SessionResult result;
    readInto(base, result);
    if (!result.completed())
        return result;
    if (!result.missing.empty())
        result.withheld = WriteWithheld::ShortRead;
    else if (!result.backups.back().ok())
        result.withheld = WriteWithheld::NoBackup;
    else
        writeFrom(image, result);
    return result;
}

void RadioSession::readInto(const RadioImage& base, SessionResult& result) {
    result.step = TransferDirection::Read;
    events_.begin(TransferDirection::Read);
    ReadResult read = protocol_.read(portName_);
    result.transfer = read;
    log(TransferDirection::Read, result);
    if (!result.completed())
        return;
    RadioImage image = base;
    adoptRead(read.memory, image);
    result.missing = std::move(read.missing);
    keep(image, TransferDirection::Read, result, !result.missing.empty());
    result.image = image;
}

void RadioSession::writeFrom(const RadioImage& image, SessionResult& result) {
    result.step = TransferDirection::Write;
    events_.begin(TransferDirection::Write);
    result.transfer = protocol_.write(portName_, image);
    log(TransferDirection::Write, result);
    if (worthABackup(TransferDirection::Write, result.transfer))
        keep(image, TransferDirection::Write, result);
}

void RadioSession::keep(const RadioImage& image, TransferDirection direction, SessionResult& result,
                        bool shortRead) {
    result.backups.push_back(
        keepBackup(image, direction, QDateTime::currentDateTimeUtc(), shortRead,
                   direction == TransferDirection::Write ? fileSent_ : QString()));
}

void RadioSession::log(TransferDirection direction, SessionResult& result) {
    if (result.completed())
        return;
    result.deviceError = serialPort_.errorString();
    QString why = result.transfer.outcome == TransferOutcome::Cancelled
                      ? QStringLiteral("cancelled")
                      : result.transfer.cause;
    if (!result.deviceError.isEmpty())
        why += QStringLiteral(" (%1)").arg(result.deviceError);
    const char* what = direction == TransferDirection::Read ? "read from" : "write to";
    qCInfo(lcTransfer).noquote() << "The" << what << portName_ << "ended after"
                                 << result.transfer.blocks << "blocks:" << why;
}

} // namespace quorl
