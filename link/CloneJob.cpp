#include "CloneJob.h"

#include <QLoggingCategory>

namespace quorl {

namespace {

Q_LOGGING_CATEGORY(lcTransfer, "quorl.transfer")

} // namespace

CloneJob::CloneJob(TransferUi& ui, ByteLink* line, Pacer* pacer)
    : protocol_(line ? *line : serialPort_, pacer ? *pacer : threadPacer_, ui) {}

ReadResult CloneJob::read(const QString& portName) {
    ReadResult result = protocol_.read(portName);
    log(TransferDirection::Read, portName, result);
    return result;
}

TransferResult CloneJob::write(const QString& portName, const RadioImage& image) {
    TransferResult result = protocol_.write(portName, image);
    log(TransferDirection::Write, portName, result);
    return result;
}

void CloneJob::log(TransferDirection direction, const QString& portName,
                   const TransferResult& result) {
    if (result.outcome == TransferOutcome::Completed)
        return;
    QString why =
        result.outcome == TransferOutcome::Cancelled ? QStringLiteral("cancelled") : result.cause;
    if (!serialPort_.errorString().isEmpty())
        why += QStringLiteral(" (%1)").arg(serialPort_.errorString());
    const char* what = direction == TransferDirection::Read ? "read from" : "write to";
    qCInfo(lcTransfer).noquote() << "The" << what << portName << "ended after" << result.blocks
                                 << "blocks:" << why;
}

} // namespace quorl
