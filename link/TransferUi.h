#pragma once

// What a clone transfer needs while it runs: somewhere to show its status line and progress,
// the user's cancel, the interruption guard, message boxes and one pass of event pumping. The
// window implements it with its progress dialog, a terminal with a progress bar, tests with a
// recorder. Nothing here knows about the document or its table.

#include "MessageSink.h"

#include <QString>

namespace quorl {

// The progress bar runs from 0 to this, one step per block.
constexpr int kProgressMaximum = 1022;

class TransferUi : public MessageSink {
public:
    virtual void setStatusText(const QString& text) = 0;
    // Advances the bar by one step, never past kProgressMaximum; returns its new position.
    virtual int stepProgress() = 0;
    virtual void setProgressPosition(int position) = 0;
    // Set by Cancel, the close box, or an interruption (moving or leaving the dialog).
    virtual bool cancelRequested() const = 0;
    // While armed, leaving the progress window counts as an interruption.
    virtual void armGuard() = 0;
    virtual void disarmGuard() = 0;
    virtual void closeDialog() = 0;
    // showMessage(): the transfer disarms the guard before each box.

    // One pumping pass: handle at most what is pending now, without shortcuts or dialog keys,
    // so the progress window repaints and its Cancel can be pressed. The transfer counts the
    // passes and checks cancelRequested() after each.
    virtual void pumpPass() = 0;
};

} // namespace quorl
