#include "TransferController.h"

#include "CMSFlexGrid.h"
#include "CZolView.h"
#include "CellEditor.h"
#include "DialogTransferEvents.h"
#include "MessageBox.h"
#include "RadioSession.h"

#include <QDialog>
#include <QLoggingCategory>
#include <QMetaObject>

#include <utility>

namespace quorl {

namespace {

const QString kReadingCaption = QStringLiteral("Reading Data Progress");
const QString kWritingCaption = QStringLiteral("Writing Data Progress");

Q_LOGGING_CATEGORY(lcBackups, "quorl.backups")

// Nothing in the window's flow waits on the copy; a copy that could not be kept is logged.
void logLostBackups(const SessionResult& result) {
    for (const BackupResult& backup : result.backups)
        if (!backup.ok())
            qCWarning(lcBackups).noquote() << "No backup kept:" << backup.error;
}

} // namespace

TransferController::TransferController(CZolView& view, const RadioImage& image)
    : QObject(&view), view_(view), image_(image) {
    // Start's handling finishes before the transfer takes the thread, as a posted request would.
    connect(&progress_, &ProgressDialog::startPressed, this, &TransferController::OnTransferRequest,
            Qt::QueuedConnection);
}

void TransferController::OnReadFromRadio() {
    prepare(TransferDirection::Read, kReadingCaption);
}

void TransferController::OnWriteToRadio() {
    prepare(TransferDirection::Write, kWritingCaption);
}

void TransferController::prepare(TransferDirection direction, const QString& caption) {
    view_.cells().CommitCellEdit();
    direction_ = direction;
    progress_.setCaptionText(caption);
    if (!progress_.isOpen())
        progress_.open(*view_.grid());
}

// The direction is taken when Start is pressed: a command chosen during the transfer changes
// only the next one.
void TransferController::OnTransferRequest() {
    running_ = true;
    transfer(direction_);
    running_ = false;
    for (std::function<void()>& job : std::exchange(waiting_, {}))
        QMetaObject::invokeMethod(this, std::move(job), Qt::QueuedConnection);
}

void TransferController::transfer(TransferDirection direction) {
    DialogTransferEvents events(progress_);
    RadioSession session(view_.portName(), events, line_, pacer_);
    if (direction == TransferDirection::Write)
        view_.EncodeImage();
    const SessionResult result =
        direction == TransferDirection::Write ? session.write(image_) : session.read(image_);
    events.finish(result);
    logLostBackups(result);
    if (!result.image)
        return;
    emit readCompleted(*result.image);
    if (!result.missing.empty())
        ui::messageBox(missingBytesText(result.missing));
}

void TransferController::runWhenIdle(std::function<void()> job) {
    if (!running_) {
        job();
        return;
    }
    progress_.cancel();
    waiting_.push_back(std::move(job));
}

void TransferController::setLine(ByteLink* line, Pacer* pacer) {
    line_ = line;
    pacer_ = pacer;
}

} // namespace quorl
