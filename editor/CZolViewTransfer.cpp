// CZolView: reading and writing the radio.

#include "CZolView.h"

#include "CMSFlexGrid.h"
#include "TransferRunner.h"

#include <QMetaObject>

#include <utility>

namespace {

const QString kReadingCaption = QStringLiteral("Reading Data Progress");
const QString kWritingCaption = QStringLiteral("Writing Data Progress");

} // namespace

void CZolView::OnReadFromRadio() {
    prepareTransfer(quorl::TransferDirection::Read, kReadingCaption);
}

void CZolView::OnWriteToRadio() {
    prepareTransfer(quorl::TransferDirection::Write, kWritingCaption);
}

void CZolView::prepareTransfer(quorl::TransferDirection direction, const QString& caption) {
    CommitCellEdit();
    direction_ = direction;
    progress_.setCaptionText(caption);
    if (!progress_.isOpen())
        progress_.open(*grid_);
}

void CZolView::customEvent(QEvent* event) {
    if (event->type() == quorl::ProgressDialog::kTransferRequest)
        OnTransferRequest();
    else
        QScrollArea::customEvent(event);
}

// The transfer keeps the thread until it ends; the program's events reach their windows only
// through its pumping passes. Jobs held back meanwhile run once it is over, port closed.
void CZolView::OnTransferRequest() {
    transferRunning_ = true;
    {
        TransferRunner runner(*this, progress_, transferLine_, transferPacer_);
        runner.run(direction_, portName_, image_);
    }
    transferRunning_ = false;
    for (std::function<void()>& job : std::exchange(afterTransfer_, {}))
        QMetaObject::invokeMethod(this, std::move(job), Qt::QueuedConnection);
}

void CZolView::runAfterTransfer(std::function<void()> job) {
    if (!transferRunning_) {
        job();
        return;
    }
    progress_.cancel();
    afterTransfer_.push_back(std::move(job));
}

void CZolView::setTransferLine(quorl::ByteLink* line, quorl::Pacer* pacer) {
    transferLine_ = line;
    transferPacer_ = pacer;
}
