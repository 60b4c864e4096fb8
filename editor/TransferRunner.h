#pragma once

// One read or write of the radio started from the form view: the clone protocol over the
// serial line (or a line a test provides), reporting in the view's progress dialog, pumping
// the program's events between its steps, and converting between the table and the image
// through the view.

#include "CloneProtocol.h"
#include "SerialPort.h"
#include "ThreadPacer.h"
#include "TransferPump.h"
#include "TransferUi.h"

class CZolView;

namespace quorl {
class ProgressDialog;
}

class TransferRunner final : public quorl::TransferUi {
public:
    // Without a line and pacer of its own the runner uses the serial port and real pauses.
    TransferRunner(CZolView& view, quorl::ProgressDialog& dialog, quorl::ByteLink* line = nullptr,
                   quorl::Pacer* pacer = nullptr);

    // The whole transfer. The port and the progress dialog are closed when it returns; what
    // went wrong, if anything, is logged for a developer with the system's own words.
    quorl::TransferResult run(quorl::TransferDirection direction, const QString& portName,
                              quorl::RadioImage& image);

    void setStatusText(const QString& text) override;
    int stepProgress() override;
    void setProgressPosition(int position) override;
    bool cancelRequested() const override;
    void armGuard() override;
    void disarmGuard() override;
    void closeDialog() override;
    quorl::MessageAnswer showMessage(const QString& text, quorl::MessageButtons buttons) override;
    void pumpPass() override;
    void encodeImage() override;
    void decodeImage() override;

private:
    CZolView& view_;
    quorl::ProgressDialog& dialog_;
    quorl::SerialPort serialPort_;
    quorl::ThreadPacer threadPacer_;
    quorl::ByteLink& line_;
    quorl::Pacer& pacer_;
    quorl::TransferPump pump_;
};
