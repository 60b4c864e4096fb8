#pragma once

// A radio session as a terminal shows it, on standard error: a progress bar with blocks,
// percent and time left that rewrites its line on a terminal, or a plain line every tenth of
// the way when standard error goes to a file, a pipe or a dumb terminal. A stop signal (Ctrl+C,
// SIGTERM, SIGHUP), seen through the flag its handler sets, stops the session at its next wait.
// Nothing is asked: a radio that does not answer is given up at once, and the session's result
// says what went wrong.

#include "TransferEvents.h"

#include <QElapsedTimer>
#include <QString>

#include <csignal>
#include <functional>

namespace quorl {

// Whether standard error is a terminal that redraws lines; else progress comes as plain lines.
bool drawsProgressBars();

// Where the transfers of several radios at once show their lines, one row per radio, from
// the threads that run them.
class ProgressRows {
public:
    virtual ~ProgressRows() = default;
    virtual void show(int row, const QString& line) = 0;
};

class TerminalTransferEvents final : public TransferEvents {
public:
    // `title` heads every line ("read COM1"). With `rows` the lines go to its `row` instead of
    // standard error.
    TerminalTransferEvents(QString title, const volatile std::sig_atomic_t& stop,
                           ProgressRows* rows = nullptr, int row = 0);

    // Runs as each step of the session begins, once the line of the step before has ended.
    std::function<void(TransferDirection)> onBegin;
    void setTitle(const QString& title) { title_ = title; }

    void begin(TransferDirection direction) override;
    void stage(TransferStage stage) override;
    void progress(int done, int total) override;
    bool retry(RetryReason reason) override;
    bool betweenWaits() override { return stop_ == 0; }

    // Ends the line a bar or status left open.
    void finish();

private:
    void drawBar();
    void show(const QString& line);

    QString title_;
    const volatile std::sig_atomic_t& stop_;
    ProgressRows* rows_;
    int row_;
    bool terminal_;
    int blocks_ = 0;
    int done_ = 0;
    int lastTenth_ = 0;
    QString status_;
    QElapsedTimer sinceFirstBlock_;
    QElapsedTimer sinceDrawn_;
    bool lineOpen_ = false; // a bar or status line waits to be ended
};

} // namespace quorl
