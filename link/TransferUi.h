#pragma once

// What a clone transfer needs from the window it runs in: the progress dialog (status line,
// progress bar, cancel flag, interruption guard), message boxes, event pumping and the view's
// conversions between the image and the table. The view implements it with its progress
// dialog; tests record the calls.

#include "MessageSink.h"

#include <QString>

namespace quorl {

// The progress bar runs from 0 to this, one step per block.
constexpr int kProgressMaximum = 1022;

class TransferUi : public MessageSink {
public:
    // Progress dialog.
    virtual void setStatusText(const QString& text) = 0;
    // Advances the bar by one step, never past kProgressMaximum; returns its new position.
    virtual int stepProgress() = 0;
    virtual void setProgressPosition(int position) = 0;
    // Set by Cancel, the close box, or an interruption (moving or leaving the dialog).
    virtual bool cancelRequested() const = 0;
    // While armed, the dialog losing activation counts as an interruption.
    virtual void armGuard() = 0;
    virtual void disarmGuard() = 0;
    virtual void closeDialog() = 0;

    // showMessage(): the transfer disarms the guard before each box.
    // One pumping pass: dispatch at most one pending event, without accelerator or dialog-key
    // processing, so the dialog repaints and its Cancel can be pressed. The transfer counts
    // the passes and checks cancelRequested() after each.
    virtual void pumpPass() = 0;

    // The view: table and panel into the image before a write; image into table and panel
    // (and refresh the controls) after a complete read.
    virtual void encodeImage() = 0;
    virtual void decodeImage() = 0;
};

} // namespace quorl
