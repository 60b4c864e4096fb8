#pragma once

// A clone transfer as the window shows it: the progress dialog's status line, bar, cancel flag
// and guard, message boxes with the application title, and event pumping between steps.

#include "TransferPump.h"
#include "TransferUi.h"

namespace quorl {

class ProgressDialog;

class DialogTransferUi final : public TransferUi {
public:
    DialogTransferUi(ProgressDialog& dialog, KeyboardPolicy& keys) : dialog_(dialog), pump_(keys) {}

    void setStatusText(const QString& text) override;
    int stepProgress() override;
    void setProgressPosition(int position) override;
    bool cancelRequested() const override;
    void armGuard() override;
    void disarmGuard() override;
    void closeDialog() override;
    MessageAnswer showMessage(const QString& text, MessageButtons buttons) override;
    void pumpPass() override { pump_.pass(); }

private:
    ProgressDialog& dialog_;
    TransferPump pump_;
};

} // namespace quorl
