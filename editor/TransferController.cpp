#include "TransferController.h"

#include "Backups.h"
#include "CMSFlexGrid.h"
#include "CZolView.h"
#include "CellEditor.h"
#include "CloneJob.h"
#include "DialogTransferUi.h"
#include "KeyboardPolicy.h"
#include "MessageBox.h"

#include <QDateTime>
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
void keepCopy(const RadioImage& image, TransferDirection direction, const TransferResult& result,
              bool shortRead = false) {
    if (!worthABackup(direction, result))
        return;
    if (const BackupResult backup =
            keepBackup(image, direction, QDateTime::currentDateTimeUtc(), shortRead);
        !backup.ok())
        qCWarning(lcBackups).noquote() << "No backup kept:" << backup.error;
}

} // namespace

TransferController::TransferController(CZolView& view, RadioImage& image, KeyboardPolicy& keys)
    : QObject(&view), view_(view), image_(image), keys_(keys) {
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
    if (!progress_.isOpen()) {
        progress_.open(*view_.grid());
        keys_.watch(progress_.window());
    }
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
    DialogTransferUi ui(progress_, keys_);
    CloneJob job(ui, line_, pacer_);
    if (direction == TransferDirection::Write) {
        view_.EncodeImage();
        keepCopy(image_, direction, job.write(view_.portName(), image_));
        return;
    }
    const ReadResult read = job.read(view_.portName());
    if (read.outcome != TransferOutcome::Completed)
        return;
    adoptRead(read.memory, image_);
    keepCopy(image_, direction, read, !read.missing.empty());
    view_.DecodeImage();
    if (!read.missing.empty())
        ui::messageBox(missingBytesText(read.missing));
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
