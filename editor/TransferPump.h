#pragma once

// The event pumping a transfer does between its steps, one pass at a time: the windows repaint
// and take the mouse (Cancel, the close box, dragging, clicks elsewhere) while the transfer
// keeps the thread. What keys do during a pass is the keyboard policy's to say.

namespace quorl {

class TransferPump {
public:
    // Handles what is pending now and returns without waiting for more.
    void pass();
};

} // namespace quorl
