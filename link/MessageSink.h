#pragma once

// Where a radio job sends the messages it has for the user, and gets the answer back.

#include "MessageChoice.h"

#include <QString>

namespace quorl {

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // A modal box with the application title; returns the button pressed.
    virtual MessageAnswer showMessage(const QString& text, MessageButtons buttons) = 0;
};

} // namespace quorl
