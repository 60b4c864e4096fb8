#pragma once

// A clone transfer as a terminal shows it, on standard error: a progress bar with blocks,
// percent and time left that rewrites its line on a terminal, or a plain line every tenth of
// the way when standard error goes to a file, a pipe or a dumb terminal. A stop signal (Ctrl+C,
// SIGTERM, SIGHUP), seen through the flag its handler sets, is the Cancel button. Message
// boxes are not shown: the transfer's result says what went wrong, and a Retry/Cancel question
// is answered Cancel.

#include "TransferUi.h"

#include <QElapsedTimer>
#include <QString>

#include <csignal>

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

class TerminalTransferUi final : public TransferUi {
public:
    // `title` heads every line ("read COM1"); `blocks` is how many the transfer moves. With
    // `rows` the lines go to its `row` instead of standard error.
    TerminalTransferUi(QString title, int blocks, const volatile std::sig_atomic_t& stop,
                       ProgressRows* rows = nullptr, int row = 0);

    void setStatusText(const QString& text) override;
    int stepProgress() override;
    void setProgressPosition(int) override {}
    bool cancelRequested() const override { return stop_ != 0; }
    void armGuard() override {}
    void disarmGuard() override {}
    void closeDialog() override;
    MessageAnswer showMessage(const QString& text, MessageButtons buttons) override;
    void pumpPass() override {}

private:
    void drawBar();
    void show(const QString& line);

    QString title_;
    int blocks_;
    const volatile std::sig_atomic_t& stop_;
    ProgressRows* rows_;
    int row_;
    bool terminal_;
    int done_ = 0;
    int lastTenth_ = 0;
    QString status_;
    QElapsedTimer sinceFirstBlock_;
    QElapsedTimer sinceDrawn_;
    bool lineOpen_ = false; // a bar or status line waits to be ended
};

} // namespace quorl
