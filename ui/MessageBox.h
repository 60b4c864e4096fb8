#pragma once

// Every message the program shows goes through messageBox(): one title, the button sets the
// program uses, and a hook through which tests read the text and give the answer.

#include "MessageChoice.h"

#include <QString>

#include <functional>

class QWidget;

namespace quorl::ui {

// The title of every message box (two blanks between the words; the window caption has one).
inline const QString kApplicationTitle = QStringLiteral("QUORL  Programming Software");

using quorl::MessageAnswer;
using quorl::MessageButtons;

// A box normally carries the exclamation mark, whatever its buttons; a plain box carries none.
enum class MessageIcon { Standard, None };

// Shows a modal box over the active window and returns the button the user pressed.
// Escape or the close box answer Cancel on a Retry/Cancel box and OK on an OK box.
MessageAnswer messageBox(const QString& text, MessageButtons buttons = MessageButtons::Ok,
                         MessageIcon icon = MessageIcon::Standard);

// While a hook is set, messageBox() calls it instead of showing a window.
using MessageHook = std::function<MessageAnswer(const QString& text, MessageButtons buttons)>;

// Sets the hook (an empty one shows real boxes again) and returns the previous one.
MessageHook setMessageHook(MessageHook hook);

} // namespace quorl::ui
