#pragma once

// One read or write of the radio on a port of this machine: the clone protocol over the serial
// port with real pauses, or over a line and pauses a test provides. Why a transfer ended early
// is logged under the quorl.transfer category with the system's own words, for a developer.

#include "CloneProtocol.h"
#include "SerialPort.h"
#include "ThreadPacer.h"

namespace quorl {

class CloneJob {
public:
    // Without a line and pacer of its own the job uses the serial port and real pauses.
    explicit CloneJob(TransferUi& ui, ByteLink* line = nullptr, Pacer* pacer = nullptr);

    ReadResult read(const QString& portName);
    TransferResult write(const QString& portName, const RadioImage& image);

private:
    void log(TransferDirection direction, const QString& portName, const TransferResult& result);

    SerialPort serialPort_;
    ThreadPacer threadPacer_;
    CloneProtocol protocol_;
};

} // namespace quorl
