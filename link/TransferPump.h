#pragma once

// The event pumping a transfer does between its steps, one pass at a time: the windows repaint
// and take the mouse (Cancel, the close box, dragging, clicks elsewhere) while the transfer
// keeps the thread. During a pass keyboard shortcuts do nothing -- their keys reach the focused
// control as plain keys -- and neither do the dialog keys Enter, Escape and Tab. A message box
// shown from inside a pass keeps all its keys.

#include <QObject>

namespace quorl {

class TransferPump final : public QObject {
public:
    // Watches the program's events for as long as it lives.
    TransferPump();
    ~TransferPump() override;
    TransferPump(const TransferPump&) = delete;
    TransferPump& operator=(const TransferPump&) = delete;

    // Handles what is pending now and returns without waiting for more.
    void pass();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool passing_ = false;
};

} // namespace quorl
