#pragma once

// Reading and writing the radio from the window. Read From Radio and Write To Radio open the
// progress dialog over the table; its Start runs the transfer, which keeps the thread until it
// ends. A write sends the table and panel as the image holds them once encoded; only a complete
// read is handed on (readCompleted), for the document to take in place of its image. A complete
// read and a write that reached the radio each leave a copy among the backups (Backups.h).
//
// While a transfer runs, every command that reads or replaces the document or the window waits
// at one gate: runWhenIdle() cancels the transfer and runs the command once the port is closed.

#include "ProgressDialog.h"
#include "RadioImage.h"
#include "TransferEvents.h"

#include <QObject>

#include <functional>
#include <vector>

namespace quorl {

class ByteLink;
class CZolView;
class Pacer;

class TransferController final : public QObject {
    Q_OBJECT

public:
    TransferController(CZolView& view, const RadioImage& image);

    // Commit the cell being edited, set the direction of the next transfer and open the
    // progress dialog over the table. A dialog that is already open stays open; while it waits
    // for Start, its caption changes to the direction Start will now run.
    void OnReadFromRadio();
    void OnWriteToRadio();

    TransferDirection direction() const { return direction_; }
    bool isRunning() const { return running_; }

    // The gate: runs the job now, or, while a transfer runs, cancels it and runs the job once
    // the transfer has ended and its port is closed.
    void runWhenIdle(std::function<void()> job);

    // The line and pauses of the next transfers instead of the serial port and real time; null
    // for the serial port again. Tests put a simulated radio here.
    void setLine(ByteLink* line, Pacer* pacer);

signals:
    // A read ended complete: the image the radio holds, over the document's where it read less.
    void readCompleted(const quorl::RadioImage& image);

private:
    void prepare(TransferDirection direction, const QString& caption);
    void OnTransferRequest();
    void transfer(TransferDirection direction);

    CZolView& view_;
    const RadioImage& image_;
    ProgressDialog progress_;
    TransferDirection direction_ = TransferDirection::Read;
    ByteLink* line_ = nullptr;
    Pacer* pacer_ = nullptr;
    bool running_ = false;
    std::vector<std::function<void()>> waiting_;
};

} // namespace quorl
