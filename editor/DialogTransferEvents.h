#pragma once

// A radio session as the window shows it: the progress dialog's status line, bar, cancel flag
// and guard, its message boxes with the application title, and event pumping between waits.
// The words of every box and status line are the window's and live here.

#include "MessageBox.h"
#include "RadioSession.h"
#include "TransferPump.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace quorl {

class ProgressDialog;

class DialogTransferEvents final : public TransferEvents {
public:
    explicit DialogTransferEvents(ProgressDialog& dialog) : dialog_(dialog) {}

    void begin(TransferDirection) override {}
    void stage(TransferStage stage) override;
    void progress(int done, int total) override;
    bool retry(RetryReason reason) override;
    bool betweenWaits() override;

    // The end of the session: the box that says how it failed, if one does, then the dialog
    // closes. A completed transfer fills the bar first.
    void finish(const SessionResult& result);

private:
    ui::MessageAnswer tell(const QString& text,
                           ui::MessageButtons buttons = ui::MessageButtons::Ok);

    ProgressDialog& dialog_;
    TransferPump pump_;
};

} // namespace quorl
