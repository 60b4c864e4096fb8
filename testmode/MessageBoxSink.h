#pragma once

// A radio job's messages in the program's own message boxes, on top of the active window.

#include "MessageBox.h"
#include "MessageSink.h"

namespace quorl {

class MessageBoxSink final : public MessageSink {
public:
    MessageAnswer showMessage(const QString& text, MessageButtons buttons) override {
        return ui::messageBox(text, buttons);
    }
};

} // namespace quorl
