#include "TransferRunner.h"

#include "CZolView.h"
#include "MessageBox.h"
#include "ProgressDialog.h"

#include <QLoggingCategory>

namespace {

Q_LOGGING_CATEGORY(lcTransfer, "quorl.transfer")

QString describe(quorl::TransferDirection direction) {
    return direction == quorl::TransferDirection::Read ? QStringLiteral("read from")
                                                       : QStringLiteral("write to");
}

} // namespace

TransferRunner::TransferRunner(CZolView& view, quorl::ProgressDialog& dialog, quorl::ByteLink* line,
                               quorl::Pacer* pacer)
    : view_(view), dialog_(dialog), line_(line ? *line : serialPort_),
      pacer_(pacer ? *pacer : threadPacer_) {}

quorl::TransferResult TransferRunner::run(quorl::TransferDirection direction,
                                          const QString& portName, quorl::RadioImage& image) {
    quorl::CloneProtocol protocol(line_, pacer_, *this);
    const quorl::TransferResult result = protocol.run(direction, portName, image);
    if (result.outcome == quorl::TransferOutcome::Completed)
        return result;
    QString why = result.outcome == quorl::TransferOutcome::Cancelled ? QStringLiteral("cancelled")
                                                                      : result.cause;
    if (!serialPort_.errorString().isEmpty())
        why += QStringLiteral(" (%1)").arg(serialPort_.errorString());
    qCInfo(lcTransfer).noquote() << "The" << describe(direction) << portName << "ended after"
                                 << result.blocks << "blocks:" << why;
    return result;
}

void TransferRunner::setStatusText(const QString& text) {
    dialog_.setStatusText(text);
}

int TransferRunner::stepProgress() {
    return dialog_.stepProgress();
}

void TransferRunner::setProgressPosition(int position) {
    dialog_.setProgressPosition(position);
}

bool TransferRunner::cancelRequested() const {
    return dialog_.cancelRequested();
}

void TransferRunner::armGuard() {
    dialog_.armGuard();
}

void TransferRunner::disarmGuard() {
    dialog_.disarmGuard();
}

void TransferRunner::closeDialog() {
    dialog_.closeWindow();
}

quorl::MessageAnswer TransferRunner::showMessage(const QString& text,
                                                 quorl::MessageButtons buttons) {
    return quorl::ui::messageBox(text, buttons);
}

void TransferRunner::pumpPass() {
    pump_.pass();
}

void TransferRunner::encodeImage() {
    view_.EncodeImage();
}

void TransferRunner::decodeImage() {
    view_.DecodeImage();
}
