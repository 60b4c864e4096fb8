#include "TerminalTransferEvents.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace quorl {

namespace {

constexpr int kBarWidth = 30;
constexpr int kRedrawMs = 200; // a bar redrawn more often only flickers
constexpr int kBlocksBeforeEstimate = 10;

QString minutesAndSeconds(qint64 ms) {
    const qint64 seconds = (ms + 999) / 1000;
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

// A bar redraws its line with escape sequences, which a dumb terminal (an editor's shell
// window) shows as they are: that one gets the plain lines a file gets.
bool drawsProgressBars() {
    const char* term = std::getenv("TERM");
    return ::isatty(STDERR_FILENO) == 1 && !(term && std::strcmp(term, "dumb") == 0);
}

namespace {

QString stageWords(TransferStage stage) {
    return stage == TransferStage::Detecting
               ? QStringLiteral("Now are detecting Communication Port,Please wait...")
               : QStringLiteral("Waiting the response from radio....");
}

} // namespace

TerminalTransferEvents::TerminalTransferEvents(QString title,
                                               const volatile std::sig_atomic_t& stop,
                                               ProgressRows* rows, int row)
    : title_(std::move(title)), stop_(stop), rows_(rows), row_(row),
      terminal_(drawsProgressBars()) {}

void TerminalTransferEvents::begin(TransferDirection direction) {
    finish();
    blocks_ = done_ = lastTenth_ = 0;
    status_.clear();
    sinceDrawn_.invalidate();
    if (onBegin)
        onBegin(direction);
}

// Only the words before the first block: after that the status line is the block count.
void TerminalTransferEvents::stage(TransferStage stage) {
    const QString text = stageWords(stage);
    if (done_ > 0 || text == status_)
        return;
    status_ = text;
    show(title_ + QStringLiteral(": ") + text);
}

void TerminalTransferEvents::progress(int done, int total) {
    blocks_ = total;
    done_ = done;
    if (done_ == 1)
        sinceFirstBlock_.start();
    if (terminal_) {
        if (done_ == blocks_ || !sinceDrawn_.isValid() || sinceDrawn_.elapsed() >= kRedrawMs)
            drawBar();
    } else if (const int tenth = done_ * 10 / blocks_; tenth > lastTenth_) {
        lastTenth_ = tenth;
        show(QStringLiteral("%1: %2/%3 blocks (%4%)")
                 .arg(title_)
                 .arg(done_)
                 .arg(blocks_)
                 .arg(tenth * 10));
    }
}

void TerminalTransferEvents::finish() {
    if (lineOpen_ && terminal_)
        std::fputc('\n', stderr);
    lineOpen_ = false;
}

// The go-ahead byte is tried again as the window does after its box; a radio that does not
// answer is not waited for.
bool TerminalTransferEvents::retry(RetryReason reason) {
    return reason == RetryReason::GoAheadNotWritten;
}

void TerminalTransferEvents::drawBar() {
    sinceDrawn_.start();
    const int filled = done_ * kBarWidth / blocks_;
    QString line = QStringLiteral("%1 [%2%3] %4/%5 blocks %6%")
                       .arg(title_, QString(filled, QLatin1Char('#')),
                            QString(kBarWidth - filled, QLatin1Char('-')))
                       .arg(done_)
                       .arg(blocks_)
                       .arg(done_ * 100 / blocks_);
    // A few blocks first, or the first block's speed would promise a time.
    if (done_ >= kBlocksBeforeEstimate) {
        const qint64 left = sinceFirstBlock_.elapsed() * (blocks_ - done_) / done_;
        line += QStringLiteral(" %1 left").arg(minutesAndSeconds(left));
    }
    show(line);
}

// On a terminal every line overwrites the one before it until the transfer ends.
void TerminalTransferEvents::show(const QString& line) {
    if (rows_) {
        rows_->show(row_, line);
        return;
    }
    const QByteArray text = line.toLocal8Bit();
    if (terminal_) {
        std::fprintf(stderr, "\r\033[K%s", text.constData());
        lineOpen_ = true;
    } else {
        std::fprintf(stderr, "quorl-cli: %s\n", text.constData());
    }
    std::fflush(stderr);
}

} // namespace quorl
