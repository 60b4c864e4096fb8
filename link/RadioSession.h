#pragma once

// Everything a front end does with the radio on one port: a read, a write, a write read back
// to verify it, or a read kept as a backup before a write, which goes ahead only when that
// copy could undo it. A complete read is adopted into the image the caller gives (the last
// eight bytes, which no read covers, stay the caller's); a complete read and a write that may
// have reached the radio each leave a copy among the backups.
// The session only reports events while it runs and returns its outcome: the words are the
// front end's. It holds no state beyond its own port, so several can run at once, one per port.
// Why a transfer ended early is logged under the quorl.transfer category for a developer.

#include "Backups.h"
#include "CloneProtocol.h"
#include "SerialPort.h"
#include "ThreadPacer.h"

#include <optional>
#include <vector>

namespace quorl {

// Why a read-then-write sent nothing although its read completed.
enum class WriteWithheld {
    No,
    ShortRead, // the radio's replies left bytes out, so the read's copy has holes
    NoBackup,  // the read's copy could not be kept
};

struct SessionResult {
    TransferDirection step = TransferDirection::Read; // the step the session ended with
    TransferResult transfer;                          // how that step ended
    QString deviceError; // the port's own words for what failed, if anything did
    // After a complete read: the caller's image with the read adopted.
    std::optional<RadioImage> image;
    // The addresses a complete read's short replies left out; they are kept erased (0xFF).
    std::vector<std::uint16_t> missing;
    std::vector<BackupResult> backups; // one per copy the session tried to keep
    WriteWithheld withheld = WriteWithheld::No;
    bool completed() const {
        return transfer.outcome == TransferOutcome::Completed && withheld == WriteWithheld::No;
    }
};

class RadioSession {
public:
    // Without a line and pacer of its own the session uses the serial port and real pauses.
    RadioSession(QString portName, TransferEvents& events, ByteLink* line = nullptr,
                 Pacer* pacer = nullptr);

    // The file a write sends, named in the note kept beside the write's backup.
    void setFileSent(const QString& path) { fileSent_ = path; }

    SessionResult read(const RadioImage& base);
    SessionResult write(const RadioImage& image);
    // The write, then a read back adopted into `image` for the caller to compare.
    SessionResult writeAndVerify(const RadioImage& image);
    // A read adopted into `base` and kept among the backups, then the write of `image`: none
    // when the read's copy has holes or was not kept, for it could not undo the write.
    SessionResult readThenWrite(const RadioImage& base, const RadioImage& image);

private:
    void readInto(const RadioImage& base, SessionResult& result);
    void writeFrom(const RadioImage& image, SessionResult& result);
    void keep(const RadioImage& image, TransferDirection direction, SessionResult& result,
              bool shortRead = false);
    // Also notes the port's own words for a failure in the result.
    void log(TransferDirection direction, SessionResult& result);

    QString portName_;
    QString fileSent_;
    TransferEvents& events_;
    SerialPort serialPort_;
    ThreadPacer threadPacer_;
    CloneProtocol protocol_;
};

} // namespace quorl
